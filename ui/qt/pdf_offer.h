// What the pupil is told when the page did not reach paper, and the offer to
// keep the same page as a PDF file instead, in Japanese.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

#include "ui/qt/pdf_file.h"

class QWidget;

namespace zemlox::qt {

// Tells the pupil why nothing was printed (`why`, ending in a full stop)
// and offers the save dialog, proposing the document's `name`; `write`
// writes the page to the chosen path and says whether that worked.
// Cancelling writes nothing.
void tellAndOfferPdf(QWidget* parent, const QString& why, const QString& name,
                     const std::function<bool(const QString&)>& write);

}  // namespace zemlox::qt
