#pragma once
// The recovery dialog shown at start after a run ended without closing: the documents whose
// copies can be restored, the copies that cannot be read (left in their folder), and the
// choice: "Restaurar" (Enter), "Descartar", or "Más tarde" (Esc: ask again at the next start).

#include "document/recovery.h"

#include <QDialog>

#include <vector>

class QListWidget;

namespace zeva::ui {

class RecoveryDialog : public QDialog {
    Q_OBJECT
  public:
    enum Choice { Later = QDialog::Rejected, Restore = QDialog::Accepted, Discard = 2 };

    RecoveryDialog(const std::vector<document::RecoveryCopy>& copies, QWidget* parent = nullptr);

  private:
    QListWidget* restorable_ = nullptr;
};

// How a copy is named in the dialog: the document's file name, or "Documento" for one never
// saved, with the time of the copy.
QString recoveryCopyCaption(const document::RecoveryCopy& copy);

} // namespace zeva::ui
