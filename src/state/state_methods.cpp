#include "state/state_methods.h"

namespace corvanta {

const std::array<StateMethod, kStateMethodCount>& builtInStateMethods() {
    static const std::array<StateMethod, kStateMethodCount> methods{{
        {StateMethodId::Arizona, nullptr, nullptr},
        {StateMethodId::Louisiana, nullptr, nullptr},
        {StateMethodId::Iowa, nullptr, nullptr},
        {StateMethodId::Missouri, nullptr, nullptr},
        {StateMethodId::Mass, nullptr, nullptr},
        {StateMethodId::Oregon, nullptr, nullptr},
        {StateMethodId::Utah, nullptr, nullptr},
        {StateMethodId::Alabama, nullptr, nullptr},
        {StateMethodId::Kentucky, nullptr, nullptr},
        {StateMethodId::Wisconsin, nullptr, nullptr},
        {StateMethodId::NC, nullptr, nullptr},
    }};
    return methods;
}

}  // namespace corvanta
