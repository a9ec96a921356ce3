#include "UnitOptions.h"

#include "Twips.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>

namespace pellucors {

namespace {
struct OptionCaption {
    const char* caption;
    const char* tooltip;
    int width;
};
constexpr std::array<OptionCaption, 3> kOptions{{
    {"&Kilometers", "Select this when entering Kilometers", 1170},
    {"&Statute Miles", "Select this when entering Statute Miles", 1380},
    {"&Nautical Miles", "Select this when entering Nautical Miles", 1380},
}};
} // namespace

UnitOptions::UnitOptions(QWidget& parent, const QRect& frameTwips,
                         const std::array<int, 3>& buttonTops)
    : QObject(&parent), m_frame(new QGroupBox(QStringLiteral("Miles/Kilometers"), &parent)),
      m_group(new QButtonGroup(this)) {
    m_frame->setObjectName(QStringLiteral("fraMilesKilo"));
    m_frame->setGeometry(
        TwipsRect(frameTwips.x(), frameTwips.y(), frameTwips.width(), frameTwips.height()));
    for (std::size_t i = 0; i < kOptions.size(); ++i) {
        auto* button = new QRadioButton(QString::fromLatin1(kOptions[i].caption), m_frame);
        button->setObjectName(QStringLiteral("optDistance%1").arg(i));
        button->setToolTip(QString::fromLatin1(kOptions[i].tooltip));
        button->setAccessibleName(button->text().remove(QLatin1Char('&')));
        button->setAccessibleDescription(button->toolTip());
        button->setGeometry(TwipsRect(210, buttonTops[i], kOptions[i].width, 330));
        m_group->addButton(button, static_cast<int>(i));
        m_buttons[i] = button;
    }
    m_buttons[0]->setChecked(true);
    connect(m_group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked && m_onSelected)
            m_onSelected(static_cast<UnitIndex>(id));
    });
}

void UnitOptions::OnSelected(std::function<void(UnitIndex)> onSelected) {
    m_onSelected = std::move(onSelected);
}

QRadioButton* UnitOptions::Button(UnitIndex index) const {
    return m_buttons.at(static_cast<std::size_t>(index));
}

bool UnitOptions::AnySelected() const {
    return m_group->checkedButton() != nullptr;
}

void UnitOptions::Select(UnitIndex index) {
    // Selecting the selected button still counts as a selection.
    if (Button(index)->isChecked() && m_onSelected)
        m_onSelected(index);
    Button(index)->setChecked(true);
    for (QRadioButton* button : m_buttons) {
        if (button != Button(index))
            button->setChecked(false);
    }
}

} // namespace pellucors
