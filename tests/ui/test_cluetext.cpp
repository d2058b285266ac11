// Clues crossed off and brought back by mouse, keys and the help menu: which
// clue a click reaches, the pixels of a crossed or hinted clue, the list a
// screen reader reads, and every load bringing every clue back.
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QAccessible>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QUndoStack>

#include "board/cluetext.h"
#include "catalogue/catalogue.h"
#include "core/savefile.h"
#include "files/frmfiles.h"
#include "harness.h"
#include "widgets/filelists.h"

using namespace zentrivo;
using namespace zentrivo::testing;

namespace {

// A leading empty line, a clue of one line, one of three, two empty lines,
// and two clues with no empty line between them.
const QString kPrepared =
    QStringLiteral("\n* One\n\n* Two a\n   two b\n   two c\n\n\n* Three\n* Four\n   four b");

struct Heard {
    QAccessible::Event type;
    QString name;
    bool checkedChanged;
};
QList<Heard> heard;

void listen(QAccessibleEvent *event) {
    QAccessibleInterface *i = event->accessibleInterface();
    const bool checked = event->type() == QAccessible::StateChanged &&
                         static_cast<QAccessibleStateChangeEvent *>(event)->changedStates().checked;
    heard.append({event->type(), i ? i->text(QAccessible::Name) : QString(), checked});
}

ClueText *cluesOf(FrmLogic *board) { return child<ClueText>(board, "LblClues"); }

// The clues crossed off now.
QList<int> crossed(ClueText *clues) {
    QList<int> numbers;
    for (int n = 1; n <= clues->clueCount(); ++n)
        if (clues->isCrossedOff(n)) numbers << n;
    return numbers;
}

// The distance from one line of the label's text to the next, measured on
// two lines laid out by its own font.
int linePitch(const QLabel *label) {
    const QFontMetrics fm(label->font(), label);
    const QRect area = label->contentsRect();
    return fm.boundingRect(area, Qt::AlignLeft, "A\nB").height() -
           fm.boundingRect(area, Qt::AlignLeft, "A").height();
}

// The rows of clue `number` (counting "*" lines) found in the text itself:
// from its "*" line to the line before the next empty line or clue.
QPair<int, int> clueRows(const QLabel *label, int number) {
    const QStringList lines = label->text().split('\n');
    int first = -1, seen = 0;
    for (int i = 0; i < lines.size() && first < 0; ++i)
        if (lines[i].startsWith('*') && ++seen == number) first = i;
    int last = first;
    while (last + 1 < lines.size() && !lines[last + 1].trimmed().isEmpty() &&
           !lines[last + 1].startsWith('*'))
        ++last;
    const int pitch = linePitch(label);
    return {first * pitch, (last + 1) * pitch};
}

QImage shot(QWidget *w) { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// Where two pictures of one size differ.
QRect differing(const QImage &a, const QImage &b) {
    QRect where;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) where |= QRect(x, y, 1, 1);
    return where;
}

void clickAt(QWidget *w, QPoint at) { QTest::mouseClick(w, Qt::LeftButton, {}, at); }

}  // namespace

class TestClueText : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QAccessible::installUpdateHandler(listen);
        QPlatformAccessibility *platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(platform);
        platform->setActive(true);
    }

    // A click on any line of a clue crosses that clue off and a second one
    // brings it back; a click between clues does nothing.
    void clicksOnLines_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<bool>("farRight");
        QTest::addColumn<int>("clue");
        QTest::newRow("leading empty line") << 0 << false << 0;
        QTest::newRow("one-line clue") << 1 << false << 1;
        QTest::newRow("empty line between") << 2 << false << 0;
        QTest::newRow("first of three lines") << 3 << false << 2;
        QTest::newRow("second of three lines") << 4 << false << 2;
        QTest::newRow("last of three, right of its text") << 5 << true << 2;
        QTest::newRow("first of two empty lines") << 6 << false << 0;
        QTest::newRow("second of two empty lines") << 7 << false << 0;
        QTest::newRow("clue right before another") << 8 << false << 3;
        QTest::newRow("clue right after another") << 9 << false << 4;
        QTest::newRow("its second line") << 10 << true << 4;
        QTest::newRow("below the text") << 14 << false << 0;
    }
    void clicksOnLines() {
        QFETCH(int, line);
        QFETCH(bool, farRight);
        QFETCH(int, clue);
        Game g;
        ClueText *clues = cluesOf(shownBoard(g, 1));
        clues->setText(kPrepared);
        QCOMPARE(clues->clueCount(), 4);
        const int pitch = linePitch(clues);
        const QPoint at(farRight ? clues->width() - 3 : 3, line * pitch + pitch / 2);
        clickAt(clues, at);
        QCOMPARE(crossed(clues), clue ? QList<int>{clue} : QList<int>{});
        clickAt(clues, at);
        QCOMPARE(crossed(clues), QList<int>{});
        QVERIFY(!clues->hasFocus());
    }

    // A crossed clue differs from the plain text only on its own lines, in
    // grey, in the label's font of the moment; brought back, it is the plain
    // text again. A hint's bar differs only beside its clue, and both show
    // at once.
    void crossedAndHintedPixels_data() {
        QTest::addColumn<int>("pixels");
        QTest::newRow("the game's font") << 0;
        QTest::newRow("a smaller font") << 9;
    }
    void crossedAndHintedPixels() {
        QFETCH(int, pixels);
        Game g;
        FrmLogic *board = shownBoard(g, 1);
        ClueText *clues = cluesOf(board);
        if (pixels) {
            QFont f = clues->font();
            f.setPixelSize(pixels);
            clues->setFont(f);
        }
        const QImage plain = shot(clues), plainBoard = shot(board);
        const auto [top, bottom] = clueRows(clues, 3);
        clickAt(clues, QPoint(3, top + 3));
        QCOMPARE(crossed(clues), QList<int>{3});
        const QImage crossedShot = shot(clues);
        const QRect changed = differing(plain, crossedShot);
        QVERIFY(!changed.isEmpty());
        QVERIFY(changed.top() >= top - 1 && changed.bottom() <= bottom);
        int darkest = 255;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < clues->width(); ++x)
                darkest = qMin(darkest, qGray(crossedShot.pixel(x, y)));
        QVERIFY2(darkest >= 120 && darkest < 160, qPrintable(QString::number(darkest)));

        // The hint's bar beside clue 3, left of the text, with the clue
        // still crossed off.
        const QImage crossedBoard = shot(board);
        clues->setHintClues({3});
        const QImage both = shot(board);
        const QRect bar = differing(crossedBoard, both);
        const QRect label = clues->geometry();
        QVERIFY(!bar.isEmpty());
        QVERIFY(bar.left() > 0 && bar.right() < label.left());
        QVERIFY(bar.top() >= label.top() + top - 1 && bar.bottom() <= label.top() + bottom);
        QCOMPARE(both.copy(label), crossedShot);
        clues->setHintClues({});
        clickAt(clues, QPoint(3, top + 3));
        QCOMPARE(shot(board), plainBoard);
    }

    // Up, Down, Home and End move the frame from clue to clue, Space and
    // Return cross the framed clue off or bring it back (once while held);
    // the frame shows only while the keyboard has the clues.
    void keys_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("framed");
        QTest::addColumn<QList<int>>("crossedOff");
        QTest::newRow("starts on the first") << "Space" << 1 << QList<int>{1};
        QTest::newRow("down twice") << "Down Down Space" << 3 << QList<int>{3};
        QTest::newRow("Return brings back") << "Down Space Return" << 2 << QList<int>{};
        QTest::newRow("end and home") << "End Space Home Return" << 1 << QList<int>{1, 7};
        QTest::newRow("up stops at the first") << "Up Up Space" << 1 << QList<int>{1};
        QTest::newRow("down stops at the last") << "End Down Down Space" << 7 << QList<int>{7};
        QTest::newRow("held Space acts once") << "Down Held" << 2 << QList<int>{2};
    }
    void keys() {
        QFETCH(QString, keys);
        QFETCH(int, framed);
        QFETCH(QList<int>, crossedOff);
        Game g;
        FrmLogic *board = shownBoard(g, 1);
        ClueText *clues = cluesOf(board);
        QCOMPARE(clues->clueCount(), 7);
        clues->setFocus(Qt::TabFocusReason);
        static const QMap<QString, Qt::Key> named{
            {"Up", Qt::Key_Up},   {"Down", Qt::Key_Down},   {"Home", Qt::Key_Home},
            {"End", Qt::Key_End}, {"Space", Qt::Key_Space}, {"Return", Qt::Key_Return}};
        for (const QString &k : keys.split(' ')) {
            if (k == "Held") {
                for (bool repeat : {false, true, true}) {
                    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", repeat);
                    QApplication::sendEvent(clues, &press);
                }
                QTest::keyRelease(clues, Qt::Key_Space);
            } else {
                QTest::keyClick(clues, named.value(k));
            }
        }
        QCOMPARE(clues->currentClue(), framed);
        QCOMPARE(crossed(clues), crossedOff);
        QCOMPARE(board->history()->count(), 0);
        // Focused, the frame differs from the unfocused text only around the
        // framed clue.
        const QImage framedShot = shot(clues);
        clues->clearFocus();
        const QRect frame = differing(shot(clues), framedShot);
        const auto [top, bottom] = clueRows(clues, framed);
        QVERIFY(!frame.isEmpty() && frame.top() >= top - 1 && frame.bottom() <= bottom);
    }

    // The screen reader's view: a list of the clues, each named by its words
    // and its number, checked while crossed off; moving the frame and
    // crossing off are told.
    void screenReaderList() {
        Game g;
        FrmLogic *board = shownBoard(g, 3);
        ClueText *clues = cluesOf(board);
        const PuzzleRecord &r = *findPuzzle(3);
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(clues);
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Clues"));
        const int count = int(r.content.clues.size());
        QCOMPARE(list->childCount(), count);
        for (int i = 0; i < count; ++i) {
            QStringList words;
            for (const std::string &line : r.content.clues[size_t(i)].lines)
                words << QString::fromStdString(line).trimmed();
            words[0] = words[0].mid(1).trimmed();
            QAccessibleInterface *item = list->child(i);
            QCOMPARE(item->role(), QAccessible::ListItem);
            QCOMPARE(item->text(QAccessible::Name), words.join(' '));
            QCOMPARE(item->text(QAccessible::Description),
                     QStringLiteral("Clue %1 of %2").arg(i + 1).arg(count));
            QVERIFY(!item->state().checked);
            QCOMPARE(list->indexOfChild(item), i);
            // Found at its lines; placed where it starts, taking no room of
            // its own, so that a review of the screen reads its lines once.
            const auto [top, bottom] = clueRows(clues, i + 1);
            const QPoint middle = clues->mapToGlobal(QPoint(3, (top + bottom) / 2));
            QCOMPARE(list->childAt(middle.x(), middle.y()), item);
            QCOMPARE(item->rect(), QRect(clues->mapToGlobal(QPoint(0, top)), QSize(0, 0)));
        }
        // Still readable as one text, as the label shows it.
        QAccessibleTextInterface *text = list->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), clues->text());

        // The focus lands on the framed clue after Qt has told of the label's.
        heard.clear();
        clues->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(!heard.isEmpty() && heard.last().type == QAccessible::Focus &&
                    heard.last().name == list->child(0)->text(QAccessible::Name));
        QVERIFY(list->child(0)->state().focused);
        heard.clear();
        QTest::keyClick(clues, Qt::Key_Down);
        QCOMPARE(list->focusChild(), list->child(1));
        QVERIFY(std::any_of(heard.begin(), heard.end(), [&](const Heard &h) {
            return h.type == QAccessible::Focus &&
                   h.name == list->child(1)->text(QAccessible::Name);
        }));
        heard.clear();
        QTest::keyClick(clues, Qt::Key_Space);
        QVERIFY(list->child(1)->state().checked);
        QVERIFY(std::any_of(heard.begin(), heard.end(), [&](const Heard &h) {
            return h.checkedChanged && h.name == list->child(1)->text(QAccessible::Name);
        }));
        // Its action does what Space does.
        list->child(1)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(!clues->isCrossedOff(2));
        board->hide();
    }

    // Opened over a clue, by a right click or by the Menu key on the framed
    // clue, the help menu ends with that clue's entry, which does what it says.
    void menuEntry_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("clue");
        QTest::addColumn<bool>("crossedBefore");
        QTest::newRow("right click on a clue") << "click" << 2 << false;
        QTest::newRow("right click on a crossed clue") << "click" << 2 << true;
        QTest::newRow("right click between clues") << "click" << 0 << false;
        QTest::newRow("Menu key on the clues") << "key" << 3 << false;
        QTest::newRow("Menu key on the grid") << "grid" << 0 << false;
    }
    void menuEntry() {
        QFETCH(QString, how);
        QFETCH(int, clue);
        QFETCH(bool, crossedBefore);
        Game g;
        FrmLogic *board = shownBoard(g, 1);
        ClueText *clues = cluesOf(board);
        if (crossedBefore) clues->setCrossedOff(clue, true);
        if (how == "click") {
            // The empty line after clue 1, or a line of the clue.
            const QPoint at = clue ? QPoint(20, clueRows(clues, clue).first + 3)
                                   : QPoint(20, clueRows(clues, 1).second + 3);
            QTest::mouseClick(board->windowHandle(), Qt::RightButton, {}, clues->mapTo(board, at));
        } else if (how == "key") {
            clues->setFocus(Qt::TabFocusReason);
            clues->setCurrentClue(clue);
            QTest::keyClick(clues, Qt::Key_Menu);
            // As on X: the key also comes as a context menu event at the mouse
            // pointer, here over clue 1.
            const QPoint pointer = clues->mapTo(board, QPoint(20, clueRows(clues, 1).first + 3));
            QContextMenuEvent fromKey(QContextMenuEvent::Keyboard, pointer,
                                      board->mapToGlobal(pointer));
            QApplication::sendEvent(board, &fromKey);
        } else {
            board->focusSquare(5);
            QTest::keyClick(board->focusWidget(), Qt::Key_Menu);
        }
        QMenu *menu = board->helpMenu();
        QTRY_VERIFY(menu->isVisible());
        QStringList expected{"&Undo", "&Redo", "&Check My Marks", "&Hint"};
        if (clue)
            expected << (crossedBefore ? QStringLiteral("&Bring Back Clue %1")
                                       : QStringLiteral("Cross &Off Clue %1"))
                            .arg(clue);
        QStringList shown;
        for (QAction *a : menu->actions())
            if (!a->isSeparator()) shown << a->text();
        QCOMPARE(shown, expected);
        if (clue) menu->actions().last()->trigger();
        menu->close();
        QCOMPARE(crossed(clues), clue && !crossedBefore ? QList<int>{clue} : QList<int>{});
        QCOMPARE(board->history()->count(), 0);
    }

    // Every load brings every clue back, whether or not the text changes;
    // the file window's Save and Cancel keep them, and the saved file holds
    // only the marks.
    void loadsBringCluesBack_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QList<int>>("after");
        QTest::newRow("next puzzle") << "next" << QList<int>{};
        QTest::newRow("puzzle button") << "menu" << QList<int>{};
        QTest::newRow("load of no puzzle, text kept") << "none" << QList<int>{};
        QTest::newRow("saved puzzle opened") << "open" << QList<int>{};
        QTest::newRow("file window cancelled") << "cancel" << QList<int>{1, 3};
        QTest::newRow("puzzle saved") << "save" << QList<int>{1, 3};
    }
    void loadsBringCluesBack() {
        QFETCH(QString, how);
        QFETCH(QList<int>, after);
        QTemporaryDir dir;
        Game g;
        FrmLogic *board = shownBoard(g, 4);
        ClueText *clues = cluesOf(board);
        QTest::mouseClick(cellPicture(board, 0), Qt::LeftButton, {}, QPoint(5, 5));
        for (int n : {1, 3}) clickAt(clues, QPoint(3, clueRows(clues, n).first + 3));
        clues->setHintClues({2});
        QCOMPARE(crossed(clues), (QList<int>{1, 3}));
        if (how == "next") {
            board->CmdNext_Click();
        } else if (how == "menu") {
            board->hide();
            // The board is shown modally again; read it there, then leave it.
            QList<int> shown{-1}, hinted{-1};
            whenModal([&](QWidget *w) {
                shown = crossed(cluesOf(qobject_cast<FrmLogic *>(w)));
                hinted = cluesOf(qobject_cast<FrmLogic *>(w))->hintClues();
                g.windows.unload(qobject_cast<FrmLogic *>(w));
            });
            g.menu.CmdPuz_Click(4);
            QCOMPARE(shown, after);
            QCOMPARE(hinted, QList<int>{});
            return;
        } else if (how == "none") {
            g.state.PuzzleNum = 0;
            board->Reloading();
        } else if (how == "open") {
            g.state.GridB = board->codes();
            g.state.WhereFrom = kWhereOpen;
            board->Reloading();
        } else {
            Script s(g.windows);
            s.on<FrmFiles>([&](FrmFiles *w) {
                if (how == "cancel") {
                    w->CancelButton->click();
                    return;
                }
                w->dirList->setPath(dir.path());
                w->TxtFileName->setText(QStringLiteral("crossed"));
                w->OKButton->click();
            });
            s.start();
            board->CmdSave_Click();
            QVERIFY2(s.finished(), qPrintable(s.failures()));
        }
        QCOMPARE(crossed(clues), after);
        QCOMPARE(clues->hintClues(), after.isEmpty() ? QList<int>{} : QList<int>{2});
        if (how == "save") {
            QVERIFY(WriteSaveFile(dir.filePath("plain.txt").toStdString(), 4, board->codes()));
            QFile saved(dir.filePath("crossed.txt")), plain(dir.filePath("plain.txt"));
            QVERIFY(saved.open(QIODevice::ReadOnly) && plain.open(QIODevice::ReadOnly));
            QCOMPARE(saved.readAll(), plain.readAll());
        }
    }
};

QTEST_MAIN(TestClueText)
#include "test_cluetext.moc"
