// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
// The Qt window as a player uses it: clicks at points of the window, keys,
// message boxes and the end of the program.
#include "rules/moves.h"
#include "tools/solver.h"
#include "ui/form1.h"
#include "ui/qt/form1_window.h"
#include "ui/qt/square_widget.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <map>

namespace varnel {
namespace {

QString qt(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QRect expectedPixels(const ControlSpec& c)
{
    const PixelRect p = toPixels(c.rect, standardDpi);
    return {p.left, p.top, p.width, p.height};
}

// What a message box showed while it was open.
struct SeenBox {
    QString title;
    QString text;
    int buttons = 0;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool okHasIcon = false;
    bool okHadFocus = true; // when it was to be pressed with Space
};

// Each way a player closes a box.
enum class Dismissal { ClickOk, Escape, SpaceOnOk, CloseButton };

// Watches for message boxes, notes what each shows, runs `whileOpen` and
// then closes it as `how` says.
class BoxWatcher {
public:
    explicit BoxWatcher(std::function<void()> whileOpen = {}, Dismissal how = Dismissal::ClickOk)
        : whileOpen_(std::move(whileOpen)), how_(how)
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    const QList<SeenBox>& seen() const { return seen_; }
    // The most boxes that were open at once.
    int mostOpen() const { return mostOpen_; }

private:
    void poll()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        const QWidgetList all = QApplication::topLevelWidgets();
        mostOpen_ = std::max(mostOpen_, static_cast<int>(std::count_if(all.begin(), all.end(), [](QWidget* w) {
                                 return qobject_cast<QMessageBox*>(w) && w->isVisible();
                             })));
        timer_.stop();
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        seen_.append({box->windowTitle(), box->text(), static_cast<int>(box->buttons().size()), box->icon(),
                      ok && !ok->icon().isNull()});
        if (whileOpen_)
            whileOpen_();
        switch (how_) {
        case Dismissal::ClickOk:
            if (ok)
                QTest::mouseClick(ok, Qt::LeftButton);
            break;
        case Dismissal::Escape:
            QTest::keyClick(box->windowHandle(), Qt::Key_Escape);
            break;
        case Dismissal::SpaceOnOk:
            // OK takes the focus as the box opens, perhaps after this poll;
            // a box that never gives it is noted, and closed all the same.
            if (QTest::qWaitFor([ok] { return QApplication::focusWidget() == ok; }, 2000)) {
                QTest::keyClick(box->windowHandle(), Qt::Key_Space);
            } else {
                seen_.last().okHadFocus = false;
                QTest::mouseClick(ok, Qt::LeftButton);
            }
            break;
        case Dismissal::CloseButton:
            box->windowHandle()->close(); // as the title bar's close button does
            break;
        }
        timer_.start();
    }

    QTimer timer_;
    std::function<void()> whileOpen_;
    Dismissal how_;
    QList<SeenBox> seen_;
    int mostOpen_ = 0;
};

class Form1WindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Form1Window> window_;

    QWidget& window() { return *window_; }

    QPushButton* button(std::string_view name) { return window_->findChild<QPushButton*>(qt(name)); }
    SquareWidget* square(Square s) { return window_->findChild<SquareWidget*>(qt(squareName(s))); }

    void clickAt(QPoint p) { QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, Qt::NoModifier, p); }
    void clickButton(std::string_view name) { clickAt(button(name)->geometry().center()); }

    std::map<Square, ColourValue> colours()
    {
        std::map<Square, ColourValue> all;
        for (Square s : allSquares)
            all[s] = square(s)->colour();
        return all;
    }

    QString controlAt(QPoint p)
    {
        QWidget* w = window_->childAt(p);
        return w ? w->objectName() : QString();
    }

    // Runs `play` inside the application's event loop and returns the status
    // the program ends with.
    int runProgram(const std::function<void()>& play)
    {
        QTimer::singleShot(0, play);
        QTimer::singleShot(20000, [] { QCoreApplication::exit(99); });
        return QApplication::exec();
    }

private slots:
    void init()
    {
        window_ = std::make_unique<Form1Window>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    void cleanup() { window_.reset(); }

    void windowIsTheVarnelWindowInBlue()
    {
        QCOMPARE(window().windowTitle(), QStringLiteral("Varnel"));
        QCOMPARE(window().size(), QSize(185, 104));
        QCOMPARE(window().palette().color(QPalette::Window), QColor(0, 0, 255));
        const QList<QSize> iconSizes = window().windowIcon().availableSizes();
        QVERIFY2(iconSizes.contains(QSize(16, 16)) && iconSizes.contains(QSize(32, 32)), "the icon did not load");
        // The 50 controls, and where the window speaks to a screen reader.
        QCOMPARE(window().findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 51);
        const QImage shot = window().grab().toImage();
        QCOMPARE(shot.pixelColor(184, 51), QColor(0, 0, 255)); // between RESET and END
    }

    void everyControlSitsWhereTheLayoutPutsIt()
    {
        for (const ControlSpec& c : form1Controls) {
            QWidget* w = window_->findChild<QWidget*>(qt(c.name));
            QVERIFY2(w, c.name.data());
            QCOMPARE(w->geometry(), expectedPixels(c));
            if (c.kind == ControlKind::PushButton) {
                auto* b = qobject_cast<QPushButton*>(w);
                QVERIFY2(b, c.name.data());
                QCOMPARE(b->text(), qt(c.caption));
                QVERIFY(!b->isDefault() && !b->autoDefault());
                QCOMPARE(b->focusPolicy(), Qt::StrongFocus);
            } else {
                auto* s = qobject_cast<SquareWidget*>(w);
                QVERIFY2(s, c.name.data());
                QCOMPARE(s->colour(), startColour(*c.square));
                QCOMPARE(s->focusPolicy(), Qt::NoFocus);
            }
        }
        QCOMPARE(button("Command1")->geometry(), QRect(27, 0, 13, 13));
        QCOMPARE(button("END")->geometry(), QRect(104, 56, 81, 49));
        QCOMPARE(square(Square::Label29)->geometry(), QRect(27, 80, 13, 13));
    }

    void squaresShowExactlyTheirColour()
    {
        clickButton("Command1"); // Label1 red, so that all three colours show
        const QImage shot = window().grab().toImage();
        for (Square s : allSquares) {
            const QPoint centre = square(s)->geometry().center();
            const ColourValue c = square(s)->colour();
            QCOMPARE(shot.pixelColor(centre), QColor(redOf(c), greenOf(c), blueOf(c)));
            // The border lies within the square, its lower right corner too.
            QCOMPARE(shot.pixelColor(square(s)->geometry().bottomRight()), QColor(0, 0, 0));
        }
        QCOMPARE(shot.pixelColor(square(Square::Label1)->geometry().center()), QColor(255, 128, 128));
    }

    void largeButtonsTakeTheClicksWhereTheyOverlap()
    {
        // The stacking runs as the table does, bottom first.
        const QObjectList children = window().children();
        QStringList order;
        for (QObject* child : children)
            if (child->isWidgetType() && !qobject_cast<NoticeWidget*>(child))
                order << child->objectName();
        QStringList expected;
        for (const ControlSpec& c : form1Controls)
            expected << qt(c.name);
        QCOMPARE(order, expected);

        QCOMPARE(controlAt({105, 30}), QStringLiteral("RESET"));    // over Command5
        QCOMPARE(controlAt({105, 45}), QStringLiteral("RESET"));    // over the top of Command6
        QCOMPARE(controlAt({105, 51}), QStringLiteral("Command6")); // the band between them
        QCOMPARE(controlAt({105, 54}), QStringLiteral("Command7"));
        QCOMPARE(controlAt({105, 60}), QStringLiteral("END")); // over Command7
        QCOMPARE(controlAt({105, 70}), QStringLiteral("END")); // over Command8
        QCOMPARE(controlAt({96, 70}), QStringLiteral("Command8"));

        // A click in the strip presses RESET, not the move button under it.
        clickButton("Command16");
        QCOMPARE(square(Square::Label5)->colour(), Red);
        clickAt({105, 30});
        QCOMPARE(square(Square::Label5)->colour(), Grey);
        QCOMPARE(square(Square::Label10)->colour(), Grey);
        QCOMPARE(square(Square::Label6)->colour(), Green);
    }

    void partlyHiddenBottomRowStillClicks()
    {
        QCOMPARE(window().height(), 104);
        QCOMPARE(button("Command9")->geometry().bottom(), 105); // two rows below the client area
        clickAt({70, 100});
        QCOMPARE(square(Square::Label32)->colour(), Red);
        QCOMPARE(square(Square::Label9)->colour(), Grey);
    }

    void tabVisitsTheEighteenButtonsInOrder()
    {
        QStringList order;
        for (int n = 1; n <= 16; ++n)
            order << QStringLiteral("Command%1").arg(n);
        order << QStringLiteral("RESET") << QStringLiteral("END");

        QCOMPARE(QApplication::focusWidget(), button("Command1"));
        for (int i = 1; i <= 18; ++i) {
            QTest::keyClick(window_->windowHandle(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), order[i % 18]);
        }
        for (int i = 17; i >= 0; --i) {
            QTest::keyClick(window_->windowHandle(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
        }
    }

    void spaceAndEnterPressTheFocusedButton()
    {
        QTest::keyClick(window_->windowHandle(), Qt::Key_Space);
        QCOMPARE(square(Square::Label1)->colour(), Red);
        QTest::keyClick(window_->windowHandle(), Qt::Key_Tab);
        QTest::keyClick(window_->windowHandle(), Qt::Key_Return);
        QCOMPARE(square(Square::Label2)->colour(), Red);
        QTest::keyClick(window_->windowHandle(), Qt::Key_Tab);
        QTest::keyClick(window_->windowHandle(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(square(Square::Label3)->colour(), Red);

        // Only a fresh press of plain Enter clicks: not a repeat, nor one with a modifier.
        QTest::keyClick(window_->windowHandle(), Qt::Key_Tab);
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(button("Command4"), &repeat);
        for (const auto modifier : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier})
            QTest::keyClick(window_->windowHandle(), Qt::Key_Return, modifier);
        QCOMPARE(square(Square::Label4)->colour(), Grey);
        QTest::keyClick(window_->windowHandle(), Qt::Key_Return);
        QCOMPARE(square(Square::Label4)->colour(), Red);
    }

    void clicksOffTheButtonsDoNothing()
    {
        BoxWatcher boxes;
        const auto before = colours();
        clickAt(square(Square::Label6)->geometry().center());
        clickAt(square(Square::Label1)->geometry().center());
        clickAt({5, 5});    // an empty corner of the grid
        clickAt({87, 87});  // an empty corner cell of the board
        clickAt({150, 52}); // background between RESET and END
        // The one-pixel strips of background right of Label3 and Label5 and
        // below Label1.
        const QImage shot = window().grab().toImage();
        for (const QPoint strip : {QPoint(66, 18), QPoint(26, 33), QPoint(33, 26)}) {
            QCOMPARE(shot.pixelColor(strip), QColor(0, 0, 255));
            clickAt(strip);
        }
        QTest::qWait(20);
        QCOMPARE(colours(), before);
        QVERIFY(boxes.seen().isEmpty());
        QVERIFY(window().isVisible());
    }

    void onlyChangedSquaresRepaint()
    {
        QTest::qWait(20);
        std::map<Square, int> painted;
        for (Square s : allSquares)
            painted[s] = square(s)->paintCount();
        clickButton("Command1"); // Label1 turns red, Label24 empties
        QTest::qWait(20);
        for (Square s : allSquares) {
            const bool changed = s == Square::Label1 || s == Square::Label24;
            QCOMPARE(square(s)->paintCount() > painted[s], changed);
        }
    }

    void blockedMoveShowsTheBoxAndLeavesTheBoard()
    {
        clickButton("Command1");
        clickButton("Command12");
        const auto before = colours();

        {
            BoxWatcher boxes([this] { clickButton("Command5"); });
            clickButton("Command1");
            QTRY_COMPARE(boxes.seen().size(), 1);
            const SeenBox box = boxes.seen().first();
            QCOMPARE(box.title, QStringLiteral("varnel"));
            QCOMPARE(box.text, QStringLiteral("You cannot move the column if the head is red."));
            QCOMPARE(box.buttons, 1);
            QCOMPARE(box.icon, QMessageBox::NoIcon);
            QVERIFY(!box.okHasIcon);
            QCOMPARE(colours(), before); // the click on Command5 while the box was open did nothing
        }

        // However the box is closed, the game goes on.
        for (const Dismissal how : {Dismissal::Escape, Dismissal::SpaceOnOk, Dismissal::CloseButton}) {
            BoxWatcher again({}, how);
            clickButton("Command1");
            QTRY_COMPARE(again.seen().size(), 1);
            QVERIFY(again.seen().first().okHadFocus);
            QCOMPARE(colours(), before);
        }

        clickButton("Command5");
        QCOMPARE(square(Square::Label10)->colour(), Red);
    }

    void resetRestoresTheStartQuietly()
    {
        BoxWatcher boxes;
        const auto start = colours();
        clickButton("RESET");
        QCOMPARE(colours(), start);
        for (int n : {1, 5, 12, 7})
            clickButton(moveOfButton(n).button);
        QVERIFY(colours() != start);
        clickButton("RESET");
        QCOMPARE(colours(), start);
        QTest::qWait(20);
        QVERIFY(boxes.seen().isEmpty());
    }

    void resizingMovesNothing()
    {
        std::map<QString, QRect> before;
        for (QWidget* w : window().findChildren<QWidget*>())
            before[w->objectName()] = w->geometry();
        for (const QSize size : {QSize(400, 300), QSize(60, 40)}) {
            window().resize(size);
            QTest::qWait(10);
            for (QWidget* w : window().findChildren<QWidget*>())
                QCOMPARE(w->geometry(), before[w->objectName()]);
            if (size.width() > 185) {
                const QImage shot = window().grab().toImage();
                for (const QPoint added : {QPoint(399, 299), QPoint(300, 50), QPoint(50, 200)})
                    QCOMPARE(shot.pixelColor(added), QColor(0, 0, 255));
            }
        }
        window().showMaximized();
        QTest::qWait(10);
        for (QWidget* w : window().findChildren<QWidget*>())
            QCOMPARE(w->geometry(), before[w->objectName()]);
    }

    void winningGameEndsAfterTheSuccessBox()
    {
        const auto game = findWinningGame(MemoryBoard{});
        QVERIFY(game);
        BoxWatcher boxes;
        const int status = runProgram([&] {
            for (int n : *game)
                clickButton(moveOfButton(n).button);
        });
        QCOMPARE(status, 0);
        QCOMPARE(boxes.seen().size(), 1);
        QCOMPARE(boxes.seen().first().title, QStringLiteral("varnel"));
        QCOMPARE(boxes.seen().first().text, QStringLiteral("Amazingly, you have succeeded. Bravo!!"));
        QCOMPARE(boxes.seen().first().buttons, 1);
        QCOMPARE(boxes.seen().first().icon, QMessageBox::NoIcon);
        QVERIFY(!window().isVisible());
        for (Square s : playCells)
            QCOMPARE(square(s)->colour(), Red);

        // A click that reaches the button afterwards runs no handler.
        button("RESET")->click();
        QCOMPARE(square(Square::Label6)->colour(), Red);
    }

    void endButtonEndsAtOnce()
    {
        // The status is the program's own, not that of the last window closing.
        QGuiApplication::setQuitOnLastWindowClosed(false);
        const auto restore = qScopeGuard([] { QGuiApplication::setQuitOnLastWindowClosed(true); });
        BoxWatcher boxes;
        const int status = runProgram([&] {
            clickButton("Command3");
            clickButton("END");
        });
        QCOMPARE(status, 0);
        QVERIFY(!window().isVisible());
        QVERIFY(boxes.seen().isEmpty());
    }

    void closingTheWindowEndsTheProgram()
    {
        const int status = runProgram([&] { window_->windowHandle()->close(); });
        QCOMPARE(status, 0);
        QVERIFY(!window().isVisible());
    }

    // Qt refuses the window system's close while a box is open, but lets the
    // window's own close through; that too ends the game there.
    void closingTheWindowUnderABoxEndsTheProgram()
    {
        clickButton("Command1");
        clickButton("Command12");
        BoxWatcher boxes([this] { window_->windowHandle()->close(); });
        const int status = runProgram([&] { clickButton("Command1"); });
        QCOMPARE(status, 0);
        QCOMPARE(boxes.seen().size(), 1);
        QVERIFY(!window().isVisible());
        button("RESET")->click();
        QCOMPARE(square(Square::Label6)->colour(), Red); // no handler ran after the end
    }

    void aSquareThatCannotBeReadEndsTheProgramWithAReport()
    {
        delete square(Square::Label1);
        BoxWatcher boxes;
        const int status = runProgram([&] {
            // The second click is already queued when the first one fails.
            QMetaObject::invokeMethod(button("Command1"), &QPushButton::click, Qt::QueuedConnection);
            QMetaObject::invokeMethod(button("Command1"), &QPushButton::click, Qt::QueuedConnection);
        });
        QCOMPARE(status, 1);
        QCOMPARE(boxes.seen().size(), 1);
        QCOMPARE(boxes.mostOpen(), 1);
        QCOMPARE(boxes.seen().first().title, QStringLiteral("varnel"));
        QCOMPARE(boxes.seen().first().text,
                 QStringLiteral("Varnel has to stop.\n\nReading the colour of square Label1 failed with error 0: "
                                "the square's widget no longer exists"));
        QCOMPARE(boxes.seen().first().icon, QMessageBox::Critical);
        QCOMPARE(square(Square::Label6)->colour(), Green); // the move stopped before its first write
        QVERIFY(!window().isVisible());
    }

    void aSquareThatCannotBeSetStopsResetThere()
    {
        clickButton("Command1");
        delete square(Square::Label5);
        BoxWatcher boxes;
        const int status = runProgram([&] { clickButton("RESET"); });
        QCOMPARE(status, 1);
        QCOMPARE(boxes.seen().size(), 1);
        QVERIFY(boxes.seen().first().text.contains(QStringLiteral("Setting the colour of square Label5 failed")));
        QCOMPARE(square(Square::Label1)->colour(), Grey);  // written before the failure
        QCOMPARE(square(Square::Label24)->colour(), Grey); // never reached
    }
};

} // namespace
} // namespace varnel

QTEST_MAIN(varnel::Form1WindowTest)
#include "form1_window_test.moc"
