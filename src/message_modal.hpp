#pragma once

#include <ftxui/component/component.hpp>

// The dialog that shows why an input was refused (`messageText`) until " Close " is pressed.
class MessageModal {
 public:
  MessageModal();

  ftxui::Component getComponent();
  void close();

 private:
  ftxui::Component mCloseButton;
  ftxui::Component mContainer;
};
