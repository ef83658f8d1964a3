#include "state/state_methods.h"

#include "state/state_setters.h"

#include "state/methods/alabama.h"
#include "state/methods/arizona.h"
#include "state/methods/iowa.h"
#include "state/methods/kentucky.h"
#include "state/methods/louisiana.h"
#include "state/methods/massachusetts.h"
#include "state/methods/missouri.h"
#include "state/methods/north_carolina.h"
#include "state/methods/oregon.h"
#include "state/methods/utah.h"
#include "state/methods/wisconsin.h"

namespace corvanta {

const std::array<StateMethod, kStateMethodCount>& builtInStateMethods() {
    static const std::array<StateMethod, kStateMethodCount> methods{{
        {StateMethodId::Arizona, ArizonaMethod, ArizonaSet},
        {StateMethodId::Louisiana, LouisianaMethod, LouisianaSet},
        {StateMethodId::Iowa, IowaMethod, IowaSet},
        {StateMethodId::Missouri, MissouriMethod, MissouriSet},
        {StateMethodId::Mass, MassMethod, MassSet},
        {StateMethodId::Oregon, OregonMethod, OregonSet},
        {StateMethodId::Utah, UtahMethod, UtahSet},
        {StateMethodId::Alabama, GetAlabama, AlabamaSet},
        {StateMethodId::Kentucky, KentuckyMethod, KentuckySet},
        {StateMethodId::Wisconsin, WisconsinMethod, WisconsinSet},
        {StateMethodId::NC, NCMethod, NCSet},
    }};
    return methods;
}

}  // namespace corvanta
