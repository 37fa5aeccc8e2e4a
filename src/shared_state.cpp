#include "shared_state.hpp"

SharedState sharedState;

void showMessage(const std::string& text) {
  *sharedState.messageText = text;
  *sharedState.showMessageModal = true;
}
