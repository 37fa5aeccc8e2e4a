#pragma once

#include <string>
#include <vector>

#include <ftxui/component/component.hpp>
#include <ftxui/screen/screen.hpp>

// Renders `component` on a fixed-size screen, as the terminal would show it.
class RenderedScreen {
 public:
  RenderedScreen(const ftxui::Component& component, int width, int height);

  std::string row(int y) const;
  std::string cells(int x, int y, int count) const;  // `count` cells from column x of row y
  std::string text() const;                          // all rows, newline-separated
  bool contains(const std::string& needle) const;
  const ftxui::Pixel& pixelAt(int x, int y) { return mScreen.PixelAt(x, y); }

 private:
  ftxui::Screen mScreen;
};
