#include "session/state/state_methods.h"

#include "session/state/state_setters.h"
#include "tax/state/methods/alabama.h"
#include "tax/state/methods/arizona.h"
#include "tax/state/methods/iowa.h"
#include "tax/state/methods/kentucky.h"
#include "tax/state/methods/louisiana.h"
#include "tax/state/methods/massachusetts.h"
#include "tax/state/methods/missouri.h"
#include "tax/state/methods/north_carolina.h"
#include "tax/state/methods/oregon.h"
#include "tax/state/methods/utah.h"
#include "tax/state/methods/wisconsin.h"

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
