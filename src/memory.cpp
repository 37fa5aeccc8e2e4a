#include "memory.hpp"

#include <ftxui/dom/elements.hpp>

#include "dataview.hpp"
#include "page_navigation.hpp"
#include "utils/hex.hpp"
#include "utils/simple_button.hpp"

using namespace ftxui;

namespace {
constexpr int kAddressDigits = 16;
}

Memory::Memory(uint64_t address)
    : mDataView(std::make_unique<DataView>(address)),
      mMoveButton(Button("↵", [this] { move(); }, SimpleButton())),
      mPreviousButton(Button("◀", [this] { previous(); }, SimpleButton())),
      mNextButton(Button("▶", [this] { next(); }, SimpleButton())),
      mRefreshButton(Button("Refresh", [this] { refresh(); }, SimpleButton())),
      mAddressText(toHex(address, kAddressDigits)) {
  mAddressInput = page_navigation::field(&mAddressText, "Address") |
                  size(WIDTH, LESS_THAN, kAddressDigits + 1);
  mDataViewComponent = mDataView->getComponent();
  auto toolRow = Container::Horizontal(
      {mAddressInput, mMoveButton, mPreviousButton, mNextButton, mRefreshButton});
  mContainer = page_navigation::withPageKeys(Container::Vertical({toolRow, mDataViewComponent}),
                                             {[this] { previous(); }, [this] { next(); },
                                              [this] { mAddressInput->TakeFocus(); },
                                              [this] { refresh(); }});
}

Memory::~Memory() = default;

Component Memory::getComponent() {
  return Renderer(mContainer, [this] { return draw(); });
}

void Memory::move() {
  if (page_navigation::moveTo(*mDataView, mAddressText)) {
    showTableAddress();
  }
}

void Memory::previous() {
  if (page_navigation::previous(*mDataView)) {
    showTableAddress();
  }
}

void Memory::next() {
  mDataView->nextPage();
  showTableAddress();
}

void Memory::refresh() {
  mDataView->refresh();
  showTableAddress();
}

void Memory::showTableAddress() { mAddressText = toHex(mDataView->getAddress(), kAddressDigits); }

Element Memory::draw() {
  if (mAddressText.size() > kAddressDigits) {
    mAddressText.resize(kAddressDigits);
  }
  return vbox({
      hbox({text(" * Address : "), text("0x"), mAddressInput->Render(), text(" "),
            mMoveButton->Render(), text(" "), mPreviousButton->Render(), text(" "),
            mNextButton->Render(), text(" "), mRefreshButton->Render()}),
      hbox({mDataViewComponent->Render() | size(WIDTH, LESS_THAN, 78) | size(HEIGHT, EQUAL, 17) |
            border}),
  });
}
