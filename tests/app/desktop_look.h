// The desktop looks the planner is tried under: a dark colour scheme as desktops ship them and
// a larger system font, with the contrast of two colours as the lists measure it.
#pragma once

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QPalette>

#include "ui/shell/band_colours.h"

namespace tarvel::app {

inline ui::RgbColour RgbOf(const QColor& colour) {
  return static_cast<ui::RgbColour>(colour.red() | (colour.green() << 8) | (colour.blue() << 16));
}

inline double Contrast(const QColor& first, const QColor& second) {
  return ui::ContrastRatio(RgbOf(first), RgbOf(second));
}

// Light text on dark lists and windows.
inline QPalette DarkPalette() {
  QPalette palette;
  palette.setColor(QPalette::Window, QColor(49, 54, 59));
  palette.setColor(QPalette::WindowText, QColor(239, 240, 241));
  palette.setColor(QPalette::Base, QColor(35, 38, 41));
  palette.setColor(QPalette::AlternateBase, QColor(49, 54, 59));
  palette.setColor(QPalette::Text, QColor(239, 240, 241));
  palette.setColor(QPalette::Button, QColor(49, 54, 59));
  palette.setColor(QPalette::ButtonText, QColor(239, 240, 241));
  palette.setColor(QPalette::Highlight, QColor(61, 174, 233));
  palette.setColor(QPalette::HighlightedText, QColor(239, 240, 241));
  palette.setColor(QPalette::Mid, QColor(70, 76, 82));
  return palette;
}

// The application's font made `factor` times as large.
inline void ScaleApplicationFont(double factor) {
  QFont font = QApplication::font();
  font.setPointSizeF(font.pointSizeF() * factor);
  QApplication::setFont(font);
}

}  // namespace tarvel::app
