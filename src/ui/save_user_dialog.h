#pragma once

#include <QDialog>

#include "session/files/session.h"

class QLineEdit;

namespace corvanta::ui {

// The save window `frmSaveUser`, "Save User": the name box and "&Save", "&No", "&Quit".
class SaveUserDialog : public QDialog {
    Q_OBJECT
  public:
    SaveUserDialog(const std::string& name, QWidget* parent);
    // Shows the window modal and returns the button and the name box's text.
    SaveWindowAnswer ask();

  private:
    QLineEdit* txtSaveUser_ = nullptr;
    SaveChoice choice_ = SaveChoice::No;
};

}  // namespace corvanta::ui
