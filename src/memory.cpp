#include "memory.hpp"

#include <ftxui/dom/elements.hpp>

#include "dataview.hpp"
#include "utils/hex.hpp"

using namespace ftxui;

namespace {
constexpr int kAddressDigits = 16;
}

Memory::Memory(uint64_t address)
    : mDataView(std::make_unique<DataView>(address)),
      mMoveButton(page_navigation::button("↵", page_navigation::move, navigation())),
      mPreviousButton(page_navigation::button("◀", page_navigation::previous, navigation())),
      mNextButton(page_navigation::button("▶", page_navigation::next, navigation())),
      mRefreshButton(page_navigation::button("Refresh", page_navigation::refresh, navigation())),
      mAddressInput(page_navigation::field(&mAddressText, "Address") |
                    size(WIDTH, LESS_THAN, kAddressDigits + 1)),
      mAddressText(toHex(address, kAddressDigits)),
      mDataViewComponent(mDataView->getComponent()) {
  auto toolRow = Container::Horizontal(
      {mAddressInput, mMoveButton, mPreviousButton, mNextButton, mRefreshButton});
  mContainer = page_navigation::withPageKeys(Container::Vertical({toolRow, mDataViewComponent}),
                                             navigation(), mAddressInput);
}

Memory::~Memory() = default;

Component Memory::getComponent() {
  return Renderer(mContainer, [this] { return draw(); });
}

page_navigation::Target Memory::navigation() {
  return {mDataView.get(), &mAddressText, kAddressDigits};
}

Element Memory::draw() {
  page_navigation::cutAddressText(navigation());
  return vbox({
      hbox({text(" * Address : "), text("0x"), mAddressInput->Render(), text(" "),
            mMoveButton->Render(), text(" "), mPreviousButton->Render(), text(" "),
            mNextButton->Render(), text(" "), mRefreshButton->Render()}),
      page_navigation::tableBox(mDataViewComponent),
  });
}
