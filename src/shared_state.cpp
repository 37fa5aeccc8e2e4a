#include "shared_state.hpp"

// Its one string is short enough to need no allocation, so building it cannot throw.
SharedState sharedState;  // NOLINT(cert-err58-cpp)

void showMessage(const std::string& text) {
  *sharedState.messageText = text;
  *sharedState.showMessageModal = true;
}
