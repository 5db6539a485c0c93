#include "core/shell/program_menu.h"

namespace numeralia {

MenuTarget calculatorTarget(const SharedState& state) {
    return state.calculatorModel == "normalita" ? MenuTarget::NormalModel
                                                : MenuTarget::ScientificModel;
}

}  // namespace numeralia
