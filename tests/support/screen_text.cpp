#include "support/screen_text.hpp"

#include <ftxui/dom/node.hpp>

RenderedScreen::RenderedScreen(const ftxui::Component& component, int width, int height)
    : mScreen(
          ftxui::Screen::Create(ftxui::Dimension::Fixed(width), ftxui::Dimension::Fixed(height))) {
  ftxui::Render(mScreen, component->Render());
}

std::string RenderedScreen::row(int y) const { return cells(0, y, mScreen.dimx()); }

std::string RenderedScreen::cells(int x, int y, int count) const {
  std::string line;
  for (int i = x; i < x + count && i < mScreen.dimx(); ++i) {
    const std::string& cell = mScreen.PixelAt(i, y).character;
    line += cell.empty() ? " " : cell;
  }
  return line;
}

std::string RenderedScreen::text() const {
  std::string all;
  for (int y = 0; y < mScreen.dimy(); ++y) {
    all += row(y) + "\n";
  }
  return all;
}

bool RenderedScreen::contains(const std::string& needle) const {
  return text().find(needle) != std::string::npos;
}
