#include "prediction/selection_state.h"

SelectionState& Selection() {
    static SelectionState state;
    return state;
}

void ResetSelectionState() { Selection() = SelectionState{}; }
