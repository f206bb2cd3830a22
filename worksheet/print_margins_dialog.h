#pragma once

#include "worksheet/page_renderer.h"

#include <QDialog>

#include <array>

class QSpinBox;

// Edits the seven values of the page geometry, each 0 to 999 tenths of a millimetre, with a
// button that puts the defaults back.
class MarginsDialog : public QDialog {
    Q_OBJECT
  public:
    explicit MarginsDialog(const PageGeometry& geometry, QWidget* parent = nullptr);

    PageGeometry geometry() const;
    void set_geometry(const PageGeometry& geometry);

  private:
    std::array<QSpinBox*, 7> boxes_{};
};
