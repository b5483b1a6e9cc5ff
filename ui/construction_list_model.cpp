#include "ui/construction_list_model.h"

#include <QPainter>

namespace zeva::ui {

namespace {

QString text(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QColor fromColorRef(int ref) {
    return QColor(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF);
}

constexpr int kRed = 0x0000FF;
constexpr int kLime = 0x00FF00;
constexpr int kWhite = 0xFFFFFF;

} // namespace

void ConstructionListModel::setItems(std::vector<StepItem> items) {
    beginResetModel();
    items_ = std::move(items);
    endResetModel();
}

int ConstructionListModel::rowOf(const model::Element* e) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].element == e) return static_cast<int>(i);
    return -1;
}

int ConstructionListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(items_.size());
}

QVariant ConstructionListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const StepItem& item = items_[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole: {
        QString line = QString::number(item.number) + QStringLiteral(". ") + text(item.firstText);
        if (!item.secondText.empty()) line += QStringLiteral("  ") + text(item.secondText);
        return line;
    }
    case NumberRole:
        return item.number;
    case FirstTextRole:
        return text(item.firstText);
    case SecondTextRole:
        return text(item.secondText);
    case HiddenRole:
        return item.hidden;
    default:
        return {};
    }
}

ListColours listColours(int background, const QColor& fontColour, bool selected, bool hidden,
                        const QColor& hiddenColour) {
    ListColours c;
    c.number = fromColorRef(background == kRed ? kLime : kRed);
    c.text = selected ? QColor(Qt::white) : hidden ? hiddenColour : fontColour;
    c.built = background == kLime    ? QColor(Qt::black)
              : background == kWhite ? QColor(Qt::blue)
                                     : fromColorRef(kLime);
    return c;
}

void ConstructionListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->fillRect(option.rect, selected ? option.palette.highlight()
                                            : QBrush(fromColorRef(backgroundColorRef)));
    const ListColours colours =
        listColours(backgroundColorRef, fontColour, selected,
                    index.data(ConstructionListModel::HiddenRole).toBool(), hiddenColour);
    painter->setFont(option.font);
    const QFontMetrics metrics(option.font);
    QRect r = option.rect.adjusted(2, 0, 0, 0);
    const auto draw = [&](const QString& s, const QColor& colour) {
        painter->setPen(colour);
        painter->drawText(r, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, s);
        r.setLeft(r.left() + metrics.horizontalAdvance(s));
    };
    draw(QString::number(index.data(ConstructionListModel::NumberRole).toInt()) +
             QStringLiteral(". "),
         colours.number);
    draw(index.data(ConstructionListModel::FirstTextRole).toString(), colours.text);
    const QString built = index.data(ConstructionListModel::SecondTextRole).toString();
    if (!built.isEmpty()) draw(QStringLiteral("  ") + built, colours.built);
    painter->restore();
}

QSize ConstructionListDelegate::sizeHint(const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
    const QFontMetrics metrics(option.font);
    return {metrics.horizontalAdvance(index.data().toString()) + 8, metrics.height() + 2};
}

} // namespace zeva::ui
