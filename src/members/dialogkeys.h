#pragma once

class QDialog;

// Enter in a field of the dialog moves to the next field, as Tab does, and is
// swallowed. Multi-line text boxes and buttons keep their own Enter. Call
// after the dialog's controls are built.
void installEnterAsTab(QDialog* dialog);
