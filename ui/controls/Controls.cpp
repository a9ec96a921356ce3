#include "Controls.h"

#include "ResultBox.h"
#include "Twips.h"
#include "WindowFonts.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <limits>

namespace pellucors {

namespace {
constexpr double kEntryPoints = 12.0; // text and result boxes

template <typename Control>
Control* Place(Control* control, const char* name, int left, int top, int width, int height) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(TwipsRect(left, top, width, height));
    return control;
}

void Describe(QWidget* control, const QString& name, const QString& tooltip) {
    QString spoken = name;
    control->setAccessibleName(spoken.remove(QLatin1Char('&')).simplified());
    if (!tooltip.isEmpty()) {
        control->setToolTip(tooltip);
        control->setAccessibleDescription(tooltip);
    }
}
} // namespace

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, int left, int top,
                  int width, int height, Qt::Alignment alignment) {
    auto* label = Place(new QLabel(caption, parent), name, left, top, width, height);
    label->setAlignment(alignment);
    label->setWordWrap(true);
    return label;
}

void FitLabelToText(QLabel* label) {
    label->setWordWrap(false);
    const QRect designed = label->geometry();
    const QSize needed = label->sizeHint();
    const int width = std::max(designed.width(), needed.width());
    const int left =
        label->alignment() & Qt::AlignRight ? designed.right() + 1 - width : designed.left();
    label->setGeometry(left, designed.top(), width, std::max(designed.height(), needed.height()));
}

QLineEdit* MakeTextBox(QWidget* parent, const char* name, const QString& label,
                       const QString& tooltip, int left, int top, int width, int height) {
    auto* box = Place(new QLineEdit(parent), name, left, top, width, height);
    box->setFont(SansFont(kEntryPoints));
    // No length limit: Qt's default of 32767 characters would cut a pasted
    // text without a word.
    box->setMaxLength(std::numeric_limits<int>::max());
    Describe(box, label, tooltip);
    return box;
}

ResultBox* MakeResultBox(QWidget* parent, const char* name, const QString& label,
                         const QString& tooltip, int left, int top, int width, int height) {
    auto* box = Place(new ResultBox(label, parent), name, left, top, width, height);
    box->setFont(SansFont(kEntryPoints));
    box->setToolTip(tooltip);
    box->setAccessibleDescription(tooltip);
    return box;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& tooltip, int left, int top, int width, int height) {
    auto* button = Place(new QPushButton(caption, parent), name, left, top, width, height);
    Describe(button, caption, tooltip);
    return button;
}

QGroupBox* MakeFrame(QWidget* parent, const char* name, const QString& caption, int left, int top,
                     int width, int height) {
    return Place(new QGroupBox(caption, parent), name, left, top, width, height);
}

void SetTabOrder(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace pellucors
