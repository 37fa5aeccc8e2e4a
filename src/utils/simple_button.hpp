#pragma once

#include <ftxui/component/component_options.hpp>

// The pages' button look: "[label]", or " label " inverted while focused; the same width
// either way, so moving the focus never shifts the tool row.
ftxui::ButtonOption SimpleButton();
