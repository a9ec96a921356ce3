// What a user sees of every window at the designed sizes: captions that fit
// their controls on a stock Debian desktop, child windows side by side without
// overlapping, the same layout at twice the scale, and names a screen reader
// can announce; result boxes that show their whole number, a GPS Data list of
// whole rows that shows the newest, and a workspace that scrolls to every
// child window.

#include "ProgramFixture.h"
#include "core/StationPlan.h"
#include "ui/controls/ResultBox.h"
#include "ui/controls/Twips.h"
#include "ui/windows/frmAbout.h"
#include "ui/windows/frmDataDisplay.h"
#include "ui/windows/frmGPS_ErrorCal.h"
#include "ui/windows/frmGroundStationCal.h"
#include "ui/windows/frmSplash.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <algorithm>
#include <cmath>

using pellucors::ChildWindow;
using pellucors::test::ProgramFixture;

namespace {

// Every window a user can see: the three children, the splash and About.
QList<QWidget*> Windows(ProgramFixture& program) {
    QList<QWidget*> windows;
    for (const ChildWindow child :
         {ChildWindow::GroundStationCal, ChildWindow::GpsErrorCal, ChildWindow::DataDisplay})
        windows.append(&program.Form(child));
    windows.append(program.App().Splash());
    program.Parent().findChild<QAction*>(QStringLiteral("mnuHelpAbout"))->trigger();
    windows.append(program.Parent().About());
    return windows;
}

// "frmGroundStationCal.txtLineNo": the form a control sits on and its name.
QString Where(const QWidget* control) {
    const QWidget* form = control->parentWidget();
    while (form && !form->objectName().startsWith(QLatin1String("frm")))
        form = form->parentWidget();
    return (form ? form->objectName() : QString()) + QLatin1Char('.') + control->objectName();
}

// Clipped captions as "window.control (needs N, has M)".
QStringList ClippedCaptions(const QWidget& window) {
    QStringList clipped;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            continue;
        const QRect room = label->contentsRect();
        const QFontMetrics metrics(label->font());
        const int needed =
            label->wordWrap()
                ? label->heightForWidth(room.width())
                : metrics.boundingRect(room, int(label->alignment()), label->text()).height();
        const int widthNeeded =
            label->wordWrap() ? 0 : metrics.horizontalAdvance(label->text().split('\n').first());
        if (needed > room.height() || widthNeeded > room.width())
            clipped << QStringLiteral("%1 (needs %2x%3, has %4x%5)")
                           .arg(Where(label))
                           .arg(widthNeeded)
                           .arg(needed)
                           .arg(room.width())
                           .arg(room.height());
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        // The caption's own width plus what the style puts beside it: the
        // indicator of an option button, the bevel of a push button.
        QString caption = button->text();
        caption.remove(QLatin1Char('&'));
        const QStyle* style = button->style();
        const int beside =
            qobject_cast<const QRadioButton*>(button)
                ? style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) +
                      style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button)
                : 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        const int needed = button->fontMetrics().horizontalAdvance(caption) + beside;
        if (needed > button->width() || button->fontMetrics().height() > button->height())
            clipped << QStringLiteral("%1 (needs %2, has %3)")
                           .arg(Where(button))
                           .arg(needed)
                           .arg(button->width());
    }
    for (const QGroupBox* frame : window.findChildren<QGroupBox*>()) {
        const int needed = frame->fontMetrics().horizontalAdvance(frame->title());
        if (needed > frame->width())
            clipped << QStringLiteral("%1 (needs %2, has %3)")
                           .arg(Where(frame))
                           .arg(needed)
                           .arg(frame->width());
    }
    return clipped;
}

// The sides of the frame of `list` (or a result box) missing from its window, drawn at each
// part-pixel offset it can have on a screen at a fractional scale, as
// "offset:side": a side shows as a line darker than the window around it,
// found across the side, from outside in, clear of the rows' text.
QStringList MissingFrameSides(const QWidget& list) {
    QWidget& window = *list.parentWidget();
    const double scale = window.devicePixelRatioF();
    QStringList missing;
    for (int offset = 0; offset < (scale == std::floor(scale) ? 1 : 4); ++offset) {
        QImage shot((window.size() + QSize(offset + 1, offset + 1)) * scale, QImage::Format_RGB32);
        shot.setDevicePixelRatio(scale);
        window.render(&shot, QPoint(offset, offset));
        const QRectF edges(list.geometry().translated(offset, offset));
        const int x = int((edges.right() - 7) * scale);
        const int y = int(edges.center().y() * scale);
        const auto side = [&](const char* name, QPoint outside, QPoint inward) {
            for (int step = 1; step < 7; ++step) {
                if (qGray(shot.pixel(outside + step * inward)) < qGray(shot.pixel(outside)) - 16)
                    return;
            }
            missing << QStringLiteral("%1:%2").arg(offset).arg(QLatin1String(name));
        };
        side("top", {x, int(edges.top() * scale) - 3}, {0, 1});
        side("bottom", {x, int(edges.bottom() * scale) + 2}, {0, -1});
        side("left", {int(edges.left() * scale) - 3, y}, {1, 0});
        side("right", {int(edges.right() * scale) + 2, y}, {-1, 0});
    }
    return missing;
}

} // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void captionsFitTheirControls() {
        ProgramFixture program;
        program.Start(false);
        QStringList clipped;
        for (const QWidget* window : Windows(program))
            clipped << ClippedCaptions(*window);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
    }

    void childWindowsSitSideBySide() {
        ProgramFixture program;
        program.Start();
        const QRect stations =
            program.Parent().SubWindow(ChildWindow::GroundStationCal)->frameGeometry();
        const QRect error = program.Parent().SubWindow(ChildWindow::GpsErrorCal)->frameGeometry();
        const QRect data = program.Parent().SubWindow(ChildWindow::DataDisplay)->frameGeometry();
        QVERIFY2(!stations.intersects(error), "ground station and error calculators overlap");
        QVERIFY2(!stations.intersects(data), "ground station calculator and data window overlap");
        QVERIFY2(!error.intersects(data), "error calculator and data window overlap");
        // The error calculator stands right of the ground station calculator,
        // the data window below the error calculator, as designed.
        QCOMPARE(error.left(), data.left());
        QVERIFY(error.left() > stations.right());
        QVERIFY(data.top() > error.bottom());
    }

    // Under QT_SCALE_FACTOR=2 (the test runs twice) geometry in device
    // independent pixels stays as designed while every pixel doubles, so
    // windows, fonts and home positions scale together.
    void geometryScalesWithTheScreen() {
        ProgramFixture program;
        program.Start();
        const qreal scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                                ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                                : 1.0;
        QCOMPARE(program.Parent().devicePixelRatioF(), scale);
        QWidget* stations = &program.Form(ChildWindow::GroundStationCal);
        QCOMPARE(stations->size(), QSize(388, 463)); // 5820 x 6945 twips
        QCOMPARE(program.Parent().SubWindow(ChildWindow::DataDisplay)->pos(), QPoint(394, 212));
        const QPixmap picture = stations->grab();
        QCOMPARE(picture.size(), stations->size() * scale);
    }

    void screenReadersCanNameEveryControl() {
        ProgramFixture program;
        program.Start(false);
        QStringList unnamed;
        for (QWidget* window : Windows(program)) {
            QList<QWidget*> controls;
            for (QWidget* control : window->findChildren<QWidget*>()) {
                const bool resultBox =
                    qobject_cast<QLabel*>(control) &&
                    control->objectName().startsWith(QLatin1String("lbl")) &&
                    static_cast<QLabel*>(control)->frameShape() != QFrame::NoFrame;
                if (qobject_cast<QLineEdit*>(control) || qobject_cast<QAbstractButton*>(control) ||
                    resultBox)
                    controls << control;
            }
            for (QWidget* control : controls) {
                QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
                QVERIFY(accessible);
                const QString name = accessible->text(QAccessible::Name);
                if (name.isEmpty() || name.contains(QLatin1Char('&')))
                    unnamed << Where(control) + QStringLiteral(" name '") + name + '\'';
                if (accessible->text(QAccessible::Description) != control->toolTip())
                    unnamed << Where(control) + QStringLiteral(" description");
            }
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral("; "))));
    }

    void textBoxesAreAnnouncedByTheirCaptions() {
        ProgramFixture program;
        program.Start(false);
        QWidget* stations = &program.Form(ChildWindow::GroundStationCal);
        const auto name = [&](const char* control) {
            return QAccessible::queryAccessibleInterface(
                       ProgramFixture::Find<QWidget>(*stations, control))
                ->text(QAccessible::Name);
        };
        QCOMPARE(name("txtLineNo"), QStringLiteral("Line Number:"));
        QCOMPARE(name("txtDistance"), QStringLiteral("Length of Flight Line:"));
        QCOMPARE(name("txtOkError"), QStringLiteral("Error in Centimeters:"));
        QCOMPARE(name("optDistance1"), QStringLiteral("Statute Miles"));
        QCOMPARE(name("cmdDisplay"), QStringLiteral("Display GPS Data"));
        // Regression: the ground station calculator's unit buttons were
        // announced in the group "Enter Data", the frame around their own.
        for (QWidget* window : {stations, static_cast<QWidget*>(&program.Parent().GpsErrorCal())}) {
            QAccessibleInterface* button = QAccessible::queryAccessibleInterface(
                ProgramFixture::Find<QWidget>(*window, "optDistance0"));
            QCOMPARE(button->parent()->text(QAccessible::Name), QStringLiteral("Miles/Kilometers"));
        }
    }

    // A screen reader reads a result box's heading and its value together.
    void resultBoxesAnnounceTheirResults() {
        ProgramFixture program;
        program.Start();
        QWidget* stations = &program.Form(ChildWindow::GroundStationCal);
        QTest::keyClicks(ProgramFixture::Find<QLineEdit>(*stations, "txtLineNo"), "12");
        QTest::keyClicks(ProgramFixture::Find<QLineEdit>(*stations, "txtDistance"), "100");
        QTest::keyClicks(ProgramFixture::Find<QLineEdit>(*stations, "txtOkError"), "5");
        ProgramFixture::Find<QPushButton>(*stations, "cmdEnter")->click();
        const auto spoken = [&](const char* control) {
            return QAccessible::queryAccessibleInterface(
                       ProgramFixture::Find<QWidget>(*stations, control))
                ->text(QAccessible::Name);
        };
        QCOMPARE(spoken("lblNoGroundStations"),
                 QStringLiteral("Number of GPS Ground Stations Required: 4"));
        QCOMPARE(spoken("lblClientsSpec"),
                 QStringLiteral("Max Distance from Base Station in Kilometers: 30"));
        QCOMPARE(spoken("lblSpacing"), QStringLiteral("Ground Station Spacing in Kilometers: 25"));
    }

    // The widest texts the number forms produce: a double's 15 digits with
    // decimals (the GPS error calculator refuses a sign), its exponent form, a
    // single's exponent form.
    void resultBoxesShowTheirWholeNumber_data() {
        QTest::addColumn<bool>("stations"); // else the GPS error calculator
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("length"); // or distance
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("shown");

        // Regression: shown as 12345679054, a whole number.
        QTest::newRow("GPS error at 123456789012 km") << false << "."
                                                      << "123456789012"
                                                      << ""
                                                      << "lblAnswer"
                                                      << "12345679054.4";
        QTest::newRow("GPS error with 15 digits") << false << "."
                                                  << "99999999999999"
                                                  << ""
                                                  << "lblAnswer"
                                                  << "10000000037683.2";
        QTest::newRow("GPS error at the far end of the single range") << false << "."
                                                                      << "3.4028234e38"
                                                                      << ""
                                                                      << "lblAnswer"
                                                                      << "3.40282346638529E+37";
        QTest::newRow("GPS error with a decimal comma") << false << ","
                                                        << "123456789012"
                                                        << ""
                                                        << "lblAnswer"
                                                        << "12345679054,4";
        QTest::newRow("GPS error that fits keeps 12 pt") << false << "."
                                                         << "100"
                                                         << ""
                                                         << "lblAnswer"
                                                         << "12";
        // Regression: shown as 1.234568E-, a negative exponent.
        QTest::newRow("spacing of 1.234568E+08 km") << true << "."
                                                    << "123456789"
                                                    << "3.4028234e37"
                                                    << "lblSpacing"
                                                    << "1.234568E+08";
        QTest::newRow("spacing at the far end of the single range") << true << "."
                                                                    << "3.4028234e38"
                                                                    << "3.4028234e37"
                                                                    << "lblSpacing"
                                                                    << "3.402823E+38";
        QTest::newRow("reach at the far end of the single range") << true << "."
                                                                  << "3.4028234e38"
                                                                  << "3.4028234e37"
                                                                  << "lblClientsSpec"
                                                                  << "3.402823E+38";
        QTest::newRow("the most stations that can be counted keep 12 pt") << true << "."
                                                                          << "327670"
                                                                          << "3"
                                                                          << "lblNoGroundStations"
                                                                          << "32767";
    }

    void resultBoxesShowTheirWholeNumber() {
        QFETCH(bool, stations);
        QFETCH(QString, decimal);
        QFETCH(QString, length);
        QFETCH(QString, error);
        QFETCH(QString, box);
        QFETCH(QString, shown);
        ProgramFixture program({decimal.toStdString(), decimal == QLatin1String(",") ? "." : ","});
        program.Start();
        QWidget& window = stations ? static_cast<QWidget&>(program.Parent().GroundStationCal())
                                   : program.Parent().GpsErrorCal();
        pellucors::test::ControlsOf controls(window);
        if (stations) {
            controls.Type("txtLineNo", QStringLiteral("L1"));
            controls.Type("txtDistance", length);
            controls.Type("txtOkError", error);
            controls.Button("cmdEnter")->click();
        } else {
            controls.Type("txtDistance", length);
            controls.Button("cmdCalculate")->click();
        }
        QVERIFY(program.messages.shown.empty());
        auto* result = ProgramFixture::Find<pellucors::ResultBox>(window, qPrintable(box));
        QCOMPARE(result->text(), shown);
        QVERIFY(QAccessible::queryAccessibleInterface(result)
                    ->text(QAccessible::Name)
                    .endsWith(QStringLiteral(": ") + shown));

        const QFont designed = result->DesignedFont();
        QCOMPARE(designed.pointSizeF(), 12.0);
        const int room = result->contentsRect().width();
        const auto needs = [&](const QFont& font) {
            return int(std::ceil(QFontMetricsF(font, result).horizontalAdvance(shown)));
        };
        const QFont drawn = result->font();
        QVERIFY2(needs(drawn) <= room, qPrintable(QStringLiteral("needs %1 of %2 pixels at %3 pt")
                                                      .arg(needs(drawn))
                                                      .arg(room)
                                                      .arg(drawn.pointSizeF())));
        if (needs(designed) <= room) {
            QCOMPARE(drawn, designed);
        } else {
            // The largest smaller size: a step up would not fit.
            QFont larger = drawn;
            larger.setPointSizeF(drawn.pointSizeF() + pellucors::ResultBox::kFitStepPoints);
            QVERIFY(drawn.pointSizeF() < designed.pointSizeF());
            QVERIFY(needs(larger) > room);
        }
        QCOMPARE(result->size(),
                 pellucors::TwipsSize(stations ? 1215 : 1485, stations ? 495 : 435));
    }

    void gpsDataListShowsWholeRowsAndTheNewest_data() {
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("selectedRow"); // selected after that many entries; -1 none
        QTest::addColumn<int>("designationLength");

        QTest::newRow("heading row only") << 0 << -1 << 2;
        QTest::newRow("seven entries") << 7 << -1 << 2;
        // Regression: from the eighth entry half a row showed at the bottom
        // and the newest row was out of sight.
        QTest::newRow("twelve entries") << 12 << -1 << 2;
        QTest::newRow("thirty entries, the printout's limit") << 30 << -1 << 2;
        QTest::newRow("twelve entries, row 2 selected after three") << 12 << 2 << 2;
        QTest::newRow("twelve long designations under a horizontal scroll bar") << 12 << -1 << 80;
        // Regression: at 125% the horizontal scroll bar covered the frame's bottom line.
        QTest::newRow("one long designation under a horizontal scroll bar") << 1 << -1 << 80;
    }

    void gpsDataListShowsWholeRowsAndTheNewest() {
        QFETCH(int, entries);
        QFETCH(int, selectedRow);
        QFETCH(int, designationLength);
        ProgramFixture program;
        program.Start();
        auto* list =
            ProgramFixture::Find<QListWidget>(program.Parent().DataDisplay(), "lstGPSData");
        pellucors::StationPlan plan;
        PlanStations(100, 0, 5, program.messages, plan);
        const auto log = [&](int count) {
            for (int i = 0; i < count; ++i) {
                const std::string designation =
                    'L' + std::string(std::size_t(designationLength - 1), char('A' + i % 26));
                program.Log().AddGpsEntry(designation, plan);
            }
        };
        int logged = 0;
        if (selectedRow >= 0) {
            logged = selectedRow + 1;
            log(logged);
            list->setCurrentRow(selectedRow);
        }
        const int current = list->currentRow();
        log(entries - logged);
        // The list scrolls once the handler that logged has returned.
        QCoreApplication::processEvents();
        // Shown again, the list lays its scroll bars out once more.
        for (int toggle = 0; toggle < 2; ++toggle)
            program.Parent().MenuItem(ChildWindow::DataDisplay)->trigger();
        QCoreApplication::processEvents();

        const QRect designed = pellucors::TwipsRect(240, 120, 5295, 1980);
        QCOMPARE(list->pos(), designed.topLeft());
        QCOMPARE(list->width(), designed.width());
        const int row = list->sizeHintForRow(0);
        const QRect viewport = list->viewport()->rect();
        QVERIFY(list->height() <= designed.height());
        QCOMPARE(viewport.height() % row, 0);
        // Snapped down by less than a row: one more would not fit.
        QVERIFY(list->height() + row > designed.height());
        // Regression: on Windows at 100% the heading row was a pixel too wide
        // for the list, and a scroll bar took a row's height. While every row
        // is in view, only a long designation needs one.
        if (!list->verticalScrollBar()->isVisible())
            QCOMPARE(list->horizontalScrollBar()->isVisible(), designationLength > 5);
        for (int i = 0; i < list->count(); ++i) {
            const QRect rect = list->visualItemRect(list->item(i));
            if (rect.intersects(viewport))
                QVERIFY2(rect.top() >= 0 && rect.bottom() <= viewport.bottom(),
                         qPrintable(QStringLiteral("row %1 shows in part").arg(i)));
        }
        // Regression: at 125% the list's rows covered the bottom of its frame.
        // (Checked where the style draws the frame as a dark line all round,
        // as Fusion does; Windows' classic frame is light at the bottom.)
        const QStringList missing = list->style()->name() == QLatin1String("fusion")
                                        ? MissingFrameSides(*list)
                                        : QStringList();
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char(' '))));
        const QRect newest = list->visualItemRect(list->item(list->count() - 1));
        QVERIFY2(newest.top() >= 0 && newest.bottom() <= viewport.bottom(),
                 "newest row out of view");
        // Scrolled to, not selected: current row and selection as they were.
        QCOMPARE(list->currentRow(), current);
        const QList<QListWidgetItem*> selected = list->selectedItems();
        QCOMPARE(selected.size(), selectedRow >= 0 ? 1 : 0);
        if (selectedRow >= 0)
            QCOMPARE(list->row(selected.front()), selectedRow);
    }

    // Regression: on a small screen (800x600 at scale 1.5) child windows ran
    // off the workspace and could be reached only by dragging.
    void workspaceScrollsToEveryChildWindow_data() {
        QTest::addColumn<QSize>("mainWindow");
        QTest::addColumn<bool>("scrollBars");
        QTest::newRow("a small main window") << QSize(500, 400) << true;
        QTest::newRow("a main window that holds every child window") << QSize(1300, 1000) << false;
    }

    void workspaceScrollsToEveryChildWindow() {
        QFETCH(QSize, mainWindow);
        QFETCH(bool, scrollBars);
        ProgramFixture program;
        // Behind the splash, as under a window manager: the main window is
        // active, the keyboard in the GPS Data list at the workspace's right.
        program.StartBehindTheSplash();
        QCoreApplication::processEvents(); // the splash's six seconds
        program.HandOver();
        pellucors::frmParent& parent = program.Parent();
        QMdiArea* workspace = &program.Workspace();
        const auto inView = [workspace](const QWidget* control) {
            return workspace->viewport()->rect().contains(
                QRect(control->mapTo(workspace->viewport(), QPoint(0, 0)), control->size()));
        };
        // Regression: on a small screen at 125% and 150% the hand-over, and
        // each Tab after it, showed a box without the caption that names it.
        for (const char* box : {"txtLineNo", "txtDistance", "txtOkError"}) {
            QWidget* focused = QApplication::focusWidget();
            QCOMPARE(focused->objectName(), QLatin1String(box));
            const QList<QLabel*> labels = focused->parentWidget()->findChildren<QLabel*>();
            const auto caption = std::find_if(labels.begin(), labels.end(), [&](QLabel* label) {
                return label->buddy() == focused;
            });
            QVERIFY(caption != labels.end());
            QTRY_VERIFY2(inView(focused) && inView(*caption), box);
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        parent.showNormal();
        parent.resize(mainWindow);
        QTRY_COMPARE(parent.size(), mainWindow);
        QScrollBar* across = workspace->horizontalScrollBar();
        QScrollBar* down = workspace->verticalScrollBar();
        QTRY_COMPARE(across->isVisible(), scrollBars);
        QCOMPARE(down->isVisible(), scrollBars);

        across->setValue(across->maximum());
        down->setValue(down->maximum());
        QMdiSubWindow* data = parent.SubWindow(ChildWindow::DataDisplay);
        QVERIFY2(workspace->viewport()->rect().contains(data->geometry()),
                 "the data window cannot be scrolled into view");

        // Home Position counts from the workspace's origin, scrolled or not.
        ProgramFixture::Find<QAction>(parent, "mnuWindowHome")->trigger();
        QCOMPARE(across->value(), 0);
        QCOMPARE(down->value(), 0);
        QCOMPARE(data->pos(), pellucors::TwipsPoint(5910, 3180));
        QCOMPARE(parent.SubWindow(ChildWindow::GroundStationCal)->pos(), QPoint(0, 0));

        // Regression: Tab moved the keyboard to a button out of sight, below
        // the workspace's edge; the workspace follows it now.
        QWidget* stations = parent.SubWindow(ChildWindow::GroundStationCal)->widget();
        QWidget* display = ProgramFixture::Find<QWidget>(*stations, "cmdDisplay");
        ProgramFixture::Find<QWidget>(*stations, "optDistance0")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), display);
        QTRY_VERIFY(inView(display));

        // Regression: at 125% a result box lost a side of its frame where the
        // workspace placed it on a part pixel.
        QStringList missing;
        for (const auto* box : parent.findChildren<pellucors::ResultBox*>()) {
            for (const QString& side : MissingFrameSides(*box))
                missing << box->objectName() + ' ' + side;
        }
        QVERIFY2(parent.style()->name() != QLatin1String("fusion") || missing.isEmpty(),
                 qPrintable(missing.join("; ")));
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "tst_window_layout.moc"
