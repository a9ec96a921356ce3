#include "UnitOptions.h"

#include "Twips.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QRadioButton>

namespace pellucors {

namespace {
struct OptionCaption {
    const char* caption;
    const char* tooltip;
    int width;
};
constexpr std::array<OptionCaption, kUnitCount> kOptions{{
    {"&Kilometers", "Select this when entering Kilometers", 1170},
    {"&Statute Miles", "Select this when entering Statute Miles", 1380},
    {"&Nautical Miles", "Select this when entering Nautical Miles", 1380},
}};
} // namespace

UnitOptions::UnitOptions(QWidget& parent, const QRect& frameTwips,
                         const std::array<int, kUnitCount>& buttonTops)
    : QObject(&parent), m_group(new QButtonGroup(this)) {
    auto* frame = new QGroupBox(QStringLiteral("Miles/Kilometers"), &parent);
    frame->setObjectName(QStringLiteral("fraMilesKilo"));
    // Named by its own caption: inside another frame, Qt would name it after
    // that one's ("Enter Data").
    frame->setAccessibleName(frame->title());
    frame->setGeometry(
        TwipsRect(frameTwips.x(), frameTwips.y(), frameTwips.width(), frameTwips.height()));
    for (std::size_t i = 0; i < kOptions.size(); ++i) {
        auto* button = new QRadioButton(QString::fromLatin1(kOptions[i].caption), frame);
        button->setObjectName(QStringLiteral("optDistance%1").arg(i));
        button->setToolTip(QString::fromLatin1(kOptions[i].tooltip));
        button->setAccessibleName(button->text().remove(QLatin1Char('&')));
        button->setAccessibleDescription(button->toolTip());
        button->setGeometry(TwipsRect(210, buttonTops[i], kOptions[i].width, 330));
        m_group->addButton(button, static_cast<int>(i));
        button->installEventFilter(this);
        m_buttons[i] = button;
    }
    m_buttons[0]->setChecked(true);
    PutTabStopOnSelected();
    connect(m_group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (!checked)
            return;
        m_selected = static_cast<UnitIndex>(id);
        PutTabStopOnSelected();
        Q_EMIT Selected(m_selected);
    });
}

void UnitOptions::PutTabStopOnSelected() {
    // Qt keeps the group's tab stop on the button focused last, or on every
    // button before one was: Tab could land on a unit not selected, where
    // Space selects it unawares. As in any option group on Windows, the
    // selected button is the stop; the arrow keys move within the group.
    const QAbstractButton* selected = m_group->checkedButton();
    if (!selected)
        return;
    for (QRadioButton* button : m_buttons)
        button->setFocusPolicy(button == selected ? Qt::StrongFocus : Qt::ClickFocus);
}

bool UnitOptions::eventFilter(QObject* watched, QEvent* event) {
    // A button focused without being selected (by a click held and dragged
    // off it) gives the stop back when the focus leaves the group.
    if (event->type() == QEvent::FocusOut)
        PutTabStopOnSelected();
    return QObject::eventFilter(watched, event);
}

QRadioButton* UnitOptions::Button(UnitIndex index) const {
    return m_buttons.at(static_cast<std::size_t>(index));
}

bool UnitOptions::AnySelected() const {
    return m_group->checkedButton() != nullptr;
}

void UnitOptions::Select(UnitIndex index) {
    if (Button(index)->isChecked())
        Q_EMIT Selected(index);
    Button(index)->setChecked(true);
    for (QRadioButton* button : m_buttons) {
        if (button != Button(index))
            button->setChecked(false);
    }
}

} // namespace pellucors
