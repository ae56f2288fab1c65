#pragma once
// Results are captions of flat buttons: a click puts the caption on the
// clipboard, ready to paste into a judgment, and while the mouse is over a
// result the name of its row turns red so the user sees whose figure it is.

#include <QString>

class QLineEdit;
class QWidget;

namespace lumtar {

class SpeedButton;

// Copies the caption as plain text through the hidden carrier field. An empty
// caption selects nothing, so the clipboard keeps what it had.
void CopyCaption(QLineEdit* carrier, const QString& caption);

// A click on the result copies its caption.
void ConnectCopyOnClick(SpeedButton* result, QLineEdit* carrier);

// Click copies; hovering paints the row name red and leaving paints it black.
// The result also carries the row name as its accessible description.
void ConnectResultCopy(SpeedButton* result, QWidget* rowName, QLineEdit* carrier);

}  // namespace lumtar
