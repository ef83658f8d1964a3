#pragma once

#include <array>

#include "tax/state/state_dialog_model.h"
#include "tax/state/state_method_inputs.h"

namespace corvanta {

struct PayrollContext;

// A built-in state method: its computation, a function of the calculation's inputs giving the
// state figures, and its setter, which writes the state's values into the state dialog for
// the current pay frequency.
struct StateMethod {
    StateMethodId id;
    StateFigures (*compute)(const StateMethodInputs& in);
    void (*setter)(PayrollContext& ctx);
};

// The built-in methods, indexed by StateMethodId.
const std::array<StateMethod, kStateMethodCount>& builtInStateMethods();

// The order in which the calculation runs the checked methods.
inline constexpr std::array<StateMethodId, kStateMethodCount> kComputeOrder{
    StateMethodId::Arizona,  StateMethodId::Louisiana, StateMethodId::Iowa, StateMethodId::Missouri,
    StateMethodId::Mass,     StateMethodId::Oregon,    StateMethodId::Utah, StateMethodId::Alabama,
    StateMethodId::Kentucky, StateMethodId::Wisconsin, StateMethodId::NC};

// The order in which the dialog's load applies the setters of the checked methods.
inline constexpr std::array<StateMethodId, kStateMethodCount> kSetterOrder{
    StateMethodId::Louisiana, StateMethodId::Arizona, StateMethodId::Iowa,
    StateMethodId::Missouri,  StateMethodId::Mass,    StateMethodId::Oregon,
    StateMethodId::Utah,      StateMethodId::Alabama, StateMethodId::Kentucky,
    StateMethodId::Wisconsin, StateMethodId::NC};

}  // namespace corvanta
