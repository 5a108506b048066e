// What every sibling window shares: printing through the planner's print path, exporting a
// painted page as PNG, SVG or PDF, and the message shown in place of content when an input
// file is missing or damaged.
#pragma once

#include <QLabel>
#include <QString>
#include <functional>

#include "model/money_format.h"
#include "platform/canvas.h"
#include "platform/page_sink.h"

class QWidget;

namespace tarvel::siblings_app {

// Prints pages chosen in the print dialog; print returns false when it was cancelled.
// Tells the user when the printer failed. False when nothing was printed.
bool PrintWithDialog(QWidget* parent, const QString& document_name,
                     const std::function<bool(platform::PageSink&)>& print);

// One page on the printer: the paint function draws it within the canvas given.
bool PrintOnePage(QWidget* parent, const QString& document_name,
                  const std::function<void(platform::Canvas&)>& paint);

// Asks for a PNG, SVG or PDF file and paints one page of the given size into it.
void ExportPicture(QWidget* parent, const QString& suggested_name, platform::Size size,
                   const std::function<void(platform::Canvas&)>& paint);

// A centred, wrapped message for a file that could not be shown.
QLabel* MakeProblemLabel(const QString& text, QWidget* parent = nullptr);

// The currency of the command line's currency word ("Dollars" when none is given).
model::Currency CurrencyOfWord(const QString& word);

}  // namespace tarvel::siblings_app
