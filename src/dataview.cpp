#include "dataview.hpp"

#include <string>

#include <ftxui/component/event.hpp>
#include <ftxui/dom/elements.hpp>

#include "shared_state.hpp"
#include "utils/hex.hpp"
#include "utils/physical_memory.hpp"

using namespace ftxui;

namespace {

constexpr uint64_t kTableBytes = 256;
constexpr uint64_t kLabelAbbreviationLimit = uint64_t{1} << 32;

Element drawTableHeader() {
  Elements heads{text("            ")};
  for (uint64_t column = 0; column < 16; ++column) {
    heads.push_back(text(" " + toHex(column, 2) + " ") | inverted);
  }
  return hbox(std::move(heads));
}

}  // namespace

DataView::DataView(uint64_t address)
    : mTableHeader(Renderer(drawTableHeader)), mTable(Container::Vertical({})), mAddress(address) {
  refresh();
}

void DataView::refresh() {
  mTable->DetachAllChildren();
  std::array<uint8_t, kTableBytes> bytes;
  readPhysical(*sharedState.memFd, mAddress, bytes.data(), bytes.size(), MEMQUILL_HERE);
  for (size_t r = 0; r < mRows.size(); ++r) {
    mRows[r] = Container::Horizontal({});
    mRowLabels[r] = makeRowLabel(r);
    mRows[r]->Add(mRowLabels[r]);
    for (size_t k = 16 * r; k < 16 * r + 16; ++k) {
      mCells[k] = makeCell(k, bytes[k]);
      mRows[r]->Add(mCells[k]);
    }
    mTable->Add(mRows[r]);
  }
}

uint64_t DataView::getAddress() const { return mAddress; }

void DataView::setAddress(uint64_t address) {
  mAddress = address;
  refresh();
}

void DataView::previousPage() { setAddress(mAddress - kTableBytes); }

void DataView::nextPage() { setAddress(mAddress + kTableBytes); }

Component DataView::getComponent() {
  return Renderer(mTable, [this] {
    return hbox({text(" "), vbox({mTableHeader->Render(), mTable->Render() | frame}), text(" ")});
  });
}

Component DataView::makeCell(size_t k, uint8_t byte) {
  auto button = Button(
      toHex(byte, 2), [this, k] { activateCell(k); }, ButtonOption::Ascii());
  return CatchEvent(button, [this, k](const Event& event) { return handleCellKey(k, event); });
}

Component DataView::makeRowLabel(size_t r) {
  const uint64_t rowAddress = mAddress + 16 * r;
  const std::string label =
      " 0x" + toHex(rowAddress, 8, rowAddress >= kLabelAbbreviationLimit) + " ";
  return Renderer([this, r, label](bool focused) {
    // A label never keeps the focus: it hands it to the first byte of its row.
    if (focused) {
      mCells[16 * r]->TakeFocus();
    }
    return text(label) | inverted;
  });
}

void DataView::activateCell(size_t k) {
  *sharedState.changeAddress = mAddress + k;
  sharedState.activeDataView = this;
  *sharedState.showChangeValueModal = true;
}

bool DataView::handleCellKey(size_t k, const Event& event) {
  const size_t r = k / 16;
  if (event == Event::ArrowUp && r >= 1) {
    mCells[k - 16]->TakeFocus();
    return true;
  }
  if (event == Event::ArrowDown && r <= 14) {
    mCells[k + 16]->TakeFocus();
    return true;
  }
  return false;
}
