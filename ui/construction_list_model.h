#pragma once
// The rows of the construction list (one per step) and how each row is drawn: the number in
// red, the step's text in the list font's colour, then what it was built from in lime, each
// colour giving way where it would not show on the list's background.

#include "ui/construction_steps.h"

#include <QAbstractListModel>
#include <QStyledItemDelegate>

#include <vector>

namespace zeva::ui {

class ConstructionListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    enum Role { NumberRole = Qt::UserRole + 1, FirstTextRole, SecondTextRole, HiddenRole };

    using QAbstractListModel::QAbstractListModel;

    void setItems(std::vector<StepItem> items);
    const std::vector<StepItem>& items() const { return items_; }
    // The row of an element, -1 when it is not listed.
    int rowOf(const model::Element* e) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    // Display: the row as "n. first  second"; the roles give the parts.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    std::vector<StepItem> items_;
};

// Colours as the list draws them (0x00BBGGRR for the background).
struct ListColours {
    QColor number;
    QColor text;
    QColor built;
};
ListColours listColours(int backgroundColorRef, const QColor& fontColour, bool selected,
                        bool hidden, const QColor& hiddenColour);

class ConstructionListDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    int backgroundColorRef = 0;
    QColor fontColour = Qt::white;
    QColor hiddenColour;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace zeva::ui
