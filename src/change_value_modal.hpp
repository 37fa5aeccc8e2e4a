#pragma once

#include <string>

#include <ftxui/component/component.hpp>

// The dialog that writes one byte of physical memory at `changeAddress`, then has the table
// that opened it read its bytes again.
class ChangeValueModal {
 public:
  ChangeValueModal();

  ftxui::Component getComponent();
  void changeValue();
  void close();

 private:
  ftxui::Element draw();

  ftxui::Component mValueInput;
  std::string mValue;
  ftxui::Component mSubmitButton;
  ftxui::Component mCloseButton;
  ftxui::Component mContainer;
};
