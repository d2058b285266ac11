// What a screen reader is told, read in-process through Qt's accessibility
// interfaces: window names, the grid as a table of named squares, the
// tools' states, readable texts, and the events that announce changes.
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QAccessible>
#include <QLineEdit>

#include "board/frmlogic.h"
#include "catalogue/catalogue.h"
#include "core/hint.h"
#include "files/frmfiles.h"
#include "fillin/frmfillin.h"
#include "harness.h"
#include "intro/frmlogicintro.h"
#include "widgets/accessibility.h"
#include "widgets/filelists.h"

using namespace zentrivo;
using namespace zentrivo::testing;

namespace {

struct Heard {
    QAccessible::Event type;
    QString name;
    QAccessible::Role role;
};
QList<Heard> heard;

void listen(QAccessibleEvent *event) {
    QAccessibleInterface *i = event->accessibleInterface();
    heard.append({event->type(), i ? i->text(QAccessible::Name) : QString(),
                  i ? i->role() : QAccessible::NoRole});
}

// What the game announced since the last clear: the texts of the
// notifications shown.
QStringList announced() {
    QStringList out;
    for (const Heard &h : heard)
        if (h.type == QAccessible::ObjectShow && h.role == QAccessible::Notification) out << h.name;
    return out;
}

// The names of the objects that took the focus, in order.
QStringList focused() {
    QStringList out;
    for (const Heard &h : heard)
        if (h.type == QAccessible::Focus) out << h.name;
    return out;
}

QAccessibleInterface *of(QObject *o) { return QAccessible::queryAccessibleInterface(o); }

// Every interface under `root`, depth first.
void walk(QAccessibleInterface *root, QList<QAccessibleInterface *> &out) {
    out << root;
    for (int i = 0; i < root->childCount(); ++i)
        if (QAccessibleInterface *c = root->child(i)) walk(c, out);
}

QString shown(const std::string &stored) {
    return QString::fromStdString(stored).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

// The items along the rows and columns of a puzzle, straight from its record.
QString rowItem(const PuzzleRecord &r, int row) { return shown(r.content.rowHeadings[row - 1]); }
QString columnItem(const PuzzleRecord &r, int column) {
    if (column <= 5) return shown(r.content.itemsA[column - 1]);
    if (column <= 10) return shown(r.content.rowHeadings[column + 4]);  // D: rows 11-15
    return shown(r.content.rowHeadings[column - 6]);                    // C: rows 6-10
}

QAccessibleTableInterface *tableOf(FrmLogic *b) {
    return of(child<QWidget>(b, "Grid"))->tableInterface();
}

// Checks a readable label's text interface against what the label draws:
// its lines in order make up the whole text, every inked pixel lies in a
// character's rectangle and every visible character's rectangle holds ink,
// a point finds its character again, and the attributes span the text.
void checkTextAsShown(QLabel *label) {
    QAccessibleTextInterface *t = of(label)->textInterface();
    QVERIFY(t);
    const QString text = label->text();
    QCOMPARE(t->characterCount(), int(text.size()));
    QString joined;
    int lines = 0;
    for (int offset = 0, start = 0, end = 0; offset < text.size(); offset = end, ++lines) {
        joined += t->textAtOffset(offset, QAccessible::LineBoundary, &start, &end);
        QCOMPARE(start, offset);
        QVERIFY(end > start);
        if (offset > 0) {
            int ps = 0, pe = 0;
            t->textBeforeOffset(offset, QAccessible::LineBoundary, &ps, &pe);
            QCOMPARE(pe, offset);
        }
    }
    QCOMPARE(joined, text);
    QVERIFY(lines >= text.count(QLatin1Char('\n')) + 1);

    const QImage shot = label->grab().toImage();
    QHash<QRgb, int> counts;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) ++counts[shot.pixel(x, y)];
    QRgb background = counts.begin().key();
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (it.value() > counts[background]) background = it.key();
    auto inked = [&](QRect r) {
        r &= shot.rect();
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (shot.pixel(x, y) != background) return true;
        return false;
    };
    QRegion covered;
    for (int i = 0; i < text.size(); ++i) {
        const QRect global = t->characterRect(i);
        QVERIFY(global.isValid());
        const QRect r(label->mapFromGlobal(global.topLeft()), global.size());
        covered += r.adjusted(-1, -1, 1, 1);
        if (text[i].isSpace()) continue;
        QVERIFY2(inked(r), qPrintable(QStringLiteral("no ink at %1 '%2'").arg(i).arg(text[i])));
        QCOMPARE(t->offsetAtPoint(global.center()), i);
        // A letter without a descender, between two others, ends on the
        // baseline, the font's ascent below the top of its line.
        auto flat = [&](int k) {
            return k < 0 || k >= text.size() || !QStringLiteral("gjpqy,;").contains(text[k]);
        };
        if (!QStringLiteral("acemnrsuvwxz").contains(text[i]) || !flat(i - 1) || !flat(i + 1))
            continue;
        int bottom = -1;
        for (int y = r.top(); y <= r.bottom(); ++y)
            if (inked(QRect(r.left(), y, r.width(), 1))) bottom = y;
        QVERIFY2(qAbs(bottom - (r.top() + QFontMetrics(label->font()).ascent() - 1)) <= 1,
                 qPrintable(QStringLiteral("'%1' at %2 ends at row %3 of %4")
                                .arg(text[i])
                                .arg(i)
                                .arg(bottom - r.top())
                                .arg(r.height())));
    }
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixel(x, y) != background)
                QVERIFY2(covered.contains(QPoint(x, y)),
                         qPrintable(QStringLiteral("ink outside the text at %1,%2").arg(x).arg(y)));

    for (int offset : {0, int(text.size()) / 2, int(text.size()) - 1}) {
        int start = -1, end = -1;
        const QString attributes = t->attributes(offset, &start, &end);
        QCOMPARE(start, 0);
        QCOMPARE(end, int(text.size()));
        QVERIFY2(attributes.contains(label->font().family()), qPrintable(attributes));
        QVERIFY2(attributes.contains(QStringLiteral("font-size:")), qPrintable(attributes));
    }
}

}  // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // As a screen reader would: accessibility on, every event heard.
        QAccessible::installUpdateHandler(listen);
        QPlatformAccessibility *platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(platform);
        platform->setActive(true);
        QVERIFY(QAccessible::isActive());
    }

    void windowsAndFieldsAreNamed() {
        Game g;
        QCOMPARE(of(&g.menu)->role(), QAccessible::Window);
        QCOMPARE(of(&g.menu)->text(QAccessible::Name), QStringLiteral("Zentrivo 2.0"));
        FrmLogic *b = shownBoard(g, 1);
        QCOMPARE(of(b)->text(QAccessible::Name), QStringLiteral("Zentrivo 2.0 - #1 - Conferences"));
        g.state.WhereFrom = kWhereSave;
        auto *files = qobject_cast<FrmFiles *>(g.windows.fileWindow());
        QStringList names;
        for (QWidget *w : std::initializer_list<QWidget *>{files->TxtFileName, files->dirList,
                                                           files->filList, files->drvList})
            names << of(w)->text(QAccessible::Name);
        QCOMPARE(names, (QStringList{"File name", "Folders", "Files", "Drive"}));
        QCOMPARE(of(files)->text(QAccessible::Name),
                 QStringLiteral("Zentrivo 2.0 - Save a Logic Problem"));
        auto *grid = qobject_cast<FrmFillIn *>(g.windows.fillIn());
        // Grid row 1 of the first column is the box Txt0102.
        QCOMPARE(of(grid->findChild<QLineEdit *>("Txt0102"))->text(QAccessible::Name),
                 "Row 1, " + grid->Lbl[0]->text());
        QCOMPARE(of(grid->findChild<QLineEdit *>("Txt0203"))->text(QAccessible::Name),
                 "Row 3, " + grid->Lbl[1]->text());
        b->hide();
    }

    // Every square of every puzzle is a list item named by its two items,
    // with the puzzle's items as row and column headers; places without a
    // square have no cell.
    void everyPuzzleReadsAsATable() {
        Game g;
        FrmLogic *b = shownBoard(g, 1);
        for (int n = 1; n <= kPuzzleCount; ++n) {
            g.state.PuzzleNum = std::int16_t(n);
            b->Reloading();
            const PuzzleRecord &r = *findPuzzle(n);
            QAccessibleTableInterface *table = tableOf(b);
            QCOMPARE(table->rowCount(), 15);
            QCOMPARE(table->columnCount(), 15);
            QAccessibleInterface *tableIface = of(child<QWidget>(b, "Grid"));
            QCOMPARE(tableIface->role(), QAccessible::Table);
            QCOMPARE(tableIface->childCount(), kCellCount);
            int cells = 0;
            for (int row = 1; row <= 15; ++row)
                for (int column = 1; column <= 15; ++column) {
                    QAccessibleInterface *c = table->cellAt(row - 1, column - 1);
                    QCOMPARE(c != nullptr, isCell(column, row));
                    if (!c) continue;
                    ++cells;
                    QCOMPARE(c->text(QAccessible::Name),
                             rowItem(r, row) + ", " + columnItem(r, column) + ": blank");
                    QCOMPARE(c->role(), QAccessible::ListItem);
                    QCOMPARE(tableIface->child(tableIface->indexOfChild(c)), c);
                }
            QCOMPARE(cells, kCellCount);
            for (int k = 1; k <= 15; ++k) {
                QCOMPARE(table->cellAt(0, k - 1)
                             ->tableCellInterface()
                             ->columnHeaderCells()
                             .value(0)
                             ->text(QAccessible::Name),
                         columnItem(r, k));
                QCOMPARE(
                    table->cellAt(k - 1, 0)->tableCellInterface()->rowHeaderCells().value(0)->text(
                        QAccessible::Name),
                    rowItem(r, k));
                QCOMPARE(table->columnDescription(k - 1), columnItem(r, k));
            }
        }
        b->hide();
    }

    // A mark, a move of the focus square and the reveal are each announced,
    // and the squares' names follow them.
    void marksAndFocusAreAnnounced() {
        Game g;
        FrmLogic *b = shownBoard(g, 1);
        QAccessibleTableInterface *table = tableOf(b);
        QAccessibleInterface *first = table->cellAt(0, 0), *second = table->cellAt(0, 1);
        heard.clear();
        QTest::mouseClick(cellPicture(b, 0), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(first->text(QAccessible::Name), QStringLiteral("1st Floor, Ballroom: X"));
        QCOMPARE(first->text(QAccessible::Description), QString());
        QVERIFY(heard.size() >= 1);
        QCOMPARE(heard.first().type, QAccessible::NameChanged);
        QCOMPARE(heard.first().name, QStringLiteral("1st Floor, Ballroom: X"));

        heard.clear();
        b->focusSquare(0);
        QTest::keyClick(child<QWidget>(b, "Grid"), Qt::Key_Right);
        QVERIFY(second->state().focused);
        QVERIFY(!first->state().focused);
        bool focusHeard = false;
        for (const Heard &h : heard)
            focusHeard |= h.type == QAccessible::Focus && h.name == second->text(QAccessible::Name);
        QVERIFY(focusHeard);
        QTest::keyClick(child<QWidget>(b, "Grid"), Qt::Key_O);
        QCOMPARE(second->text(QAccessible::Name), QStringLiteral("1st Floor, Boardroom: O"));

        // The reveal: each O either is part of the answer or is struck through.
        QTest::mouseClick(child<QWidget>(b, "CmdAnswer"), Qt::LeftButton);
        const QString after = second->text(QAccessible::Name);
        QVERIFY2(after.endsWith(": answer O") || after.endsWith(": wrong O"), qPrintable(after));
        int answers = 0;
        for (int i = 0; i < kCellCount; ++i)
            if (tableOf(b)
                    ->cellAt(cellAt(i).row - 1, cellAt(i).column - 1)
                    ->text(QAccessible::Name)
                    .endsWith(QLatin1String(": answer O")))
                ++answers;
        QCOMPARE(answers, 30);
        b->hide();
    }

    // The tools read as toggle buttons with the selected one checked; the
    // clues, the story are readable text; lines, cells and pictures that say
    // nothing are left out.
    void toolsTextsAndNoDecorations() {
        Game g;
        FrmLogic *b = shownBoard(g, 1);
        auto checked = [b](const char *name) {
            QAccessibleInterface *i = of(child<QWidget>(b, name));
            return i->role() == QAccessible::Button && i->state().checkable && i->state().checked;
        };
        QCOMPARE(of(child<QWidget>(b, "ImgX"))->text(QAccessible::Name), QStringLiteral("X tool"));
        QCOMPARE(of(child<QWidget>(b, "ImgO"))->text(QAccessible::Name), QStringLiteral("O tool"));
        QCOMPARE(of(child<QWidget>(b, "ImgErase"))->text(QAccessible::Name),
                 QStringLiteral("Eraser"));
        QVERIFY(checked("ImgX") && !checked("ImgO") && !checked("ImgErase"));
        heard.clear();
        QTest::mouseClick(child<QWidget>(b, "ImgO"), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!checked("ImgX") && checked("ImgO"));
        QVERIFY(std::any_of(heard.begin(), heard.end(), [](const Heard &h) {
            return h.type == QAccessible::StateChanged && h.name == QLatin1String("O tool");
        }));

        QAccessibleTextInterface *clues = of(child<QWidget>(b, "LblClues"))->textInterface();
        QVERIFY(clues);
        const QString text = child<QLabel>(b, "LblClues")->text();
        QCOMPARE(clues->characterCount(), int(text.size()));
        QCOMPARE(clues->text(0, clues->characterCount()), text);
        QVERIFY(text.startsWith(QStringLiteral("* The chefs' meeting")));

        QList<QAccessibleInterface *> all;
        walk(of(b), all);
        QStringList names;
        int tables = 0;
        for (QAccessibleInterface *i : all) {
            if (i->role() == QAccessible::Table) ++tables;
            if (i->object()) names << i->object()->objectName();
        }
        QCOMPARE(tables, 1);
        for (const QString &n : names) {
            QVERIFY2(!n.startsWith(QLatin1String("Line")), qPrintable(n));
            QVERIFY2(!QRegularExpression(QStringLiteral("^Img\\d{4}$")).match(n).hasMatch(),
                     qPrintable(n));
            QVERIFY2(!QStringList({"ImgMag", "ImgTop", "ImgRedO", "ImgPurpleO"}).contains(n),
                     qPrintable(n));
        }
        for (const char *wanted : {"CmdIntro", "CmdExit", "LblClues", "ImgX", "ImgErase", "LblS01"})
            QVERIFY2(names.contains(QLatin1String(wanted)), wanted);

        auto *story = qobject_cast<FrmLogicIntro *>(g.windows.intro());
        QAccessibleTextInterface *storyText = of(story->Label1)->textInterface();
        QVERIFY(storyText);
        QVERIFY(storyText->text(0, storyText->characterCount()).contains("Grand Meridian Hotel"));
        b->hide();
    }

    // The clues, the story and a centred, wrapped label with a margin read
    // as they are drawn; the keys move the reading position by line.
    void textsReadAsShown() {
        Game g;
        FrmLogic *b = shownBoard(g, 1);
        auto *story = qobject_cast<FrmLogicIntro *>(g.windows.intro());
        story->Form_Load();
        story->show();
        QCOMPARE(story->focusWidget(), story->Label1);
        QLabel centred;
        makeReadable(&centred, QStringLiteral("Centred"));
        centred.setWordWrap(true);
        centred.setMargin(3);
        centred.setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        centred.setText(story->Label1->text());
        centred.resize(220, 400);
        centred.show();
        for (QLabel *label : {child<QLabel>(b, "LblClues"), story->Label1, &centred}) {
            checkTextAsShown(label);
            if (QTest::currentTestFailed()) return;
        }

        // The reading starts at the first word (the story opens with a
        // blank line); Down goes to the next line, End before its last space.
        QAccessibleTextInterface *t = of(story->Label1)->textInterface();
        const QString text = story->Label1->text();
        QCOMPARE(t->cursorPosition(), int(text.indexOf(QLatin1String("The Grand"))));
        int start = 0, end = 0;
        t->textAtOffset(t->cursorPosition(), QAccessible::LineBoundary, &start, &end);
        heard.clear();
        QTest::keyClick(story->Label1, Qt::Key_Down);
        QCOMPARE(t->cursorPosition(), end);
        QVERIFY(std::any_of(heard.begin(), heard.end(), [](const Heard &h) {
            return h.type == QAccessible::TextCaretMoved && h.name == QLatin1String("Story");
        }));
        QTest::keyClick(story->Label1, Qt::Key_End);
        t->textAtOffset(end, QAccessible::LineBoundary, &start, &end);
        QCOMPARE(t->cursorPosition(), end - 1);
        QCOMPARE(text[end - 1], QLatin1Char(' '));
        const int word = int(text.indexOf(QLatin1String("Meridian")));
        QCOMPARE(t->textAtOffset(word + 3, QAccessible::WordBoundary, &start, &end),
                 QStringLiteral("Meridian"));
        QCOMPARE(t->textAtOffset(word, QAccessible::CharBoundary, &start, &end),
                 QStringLiteral("M"));
        // Another text starts the reading afresh.
        story->Label1->setText(QStringLiteral("\n  Another story"));
        QCOMPARE(t->cursorPosition(), 3);
        story->hide();
        b->hide();
    }

    // Tab into the grid ends on the square; a move says the new square, a
    // mark, an undo, a redo and the reveal are announced at once.
    void boardChangesAreHeard_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QStringList>("focus");
        QTest::addColumn<QStringList>("said");
        const QString first = QStringLiteral("1st Floor, Ballroom: ");
        QTest::newRow("tab in") << QList<int>{Qt::Key_Tab} << QStringList{"Grid", first + "blank"}
                                << QStringList{};
        QTest::newRow("right") << QList<int>{Qt::Key_Tab, Qt::Key_Right}
                               << QStringList{"Grid", first + "blank",
                                              "1st Floor, Boardroom: blank"}
                               << QStringList{};
        QTest::newRow("down") << QList<int>{Qt::Key_Tab, Qt::Key_Down}
                              << QStringList{"Grid", first + "blank", "2nd Floor, Ballroom: blank"}
                              << QStringList{};
        QTest::newRow("x o delete") << QList<int>{Qt::Key_Tab, Qt::Key_X, Qt::Key_O, Qt::Key_Delete}
                                    << QStringList{"Grid", first + "blank"}
                                    << QStringList{first + "X", first + "O", first + "blank"};
        QTest::newRow("undo redo")
            << QList<int>{Qt::Key_Tab, Qt::Key_X, (Qt::CTRL | Qt::Key_Z).toCombined(),
                          (Qt::CTRL | Qt::Key_Y).toCombined()}
            << QStringList{"Grid", first + "blank"}
            << QStringList{first + "X", "Undo: " + first + "blank", "Redo: " + first + "X"};
        QTest::newRow("reveal")
            << QList<int>{(Qt::ALT | Qt::Key_A).toCombined()} << QStringList{}
            << QStringList{
                   "The answers are shown. Move through the grid to hear them: the squares of "
                   "the answer say answer O, a wrong O says wrong O."};
    }
    void boardChangesAreHeard() {
        QFETCH(QList<int>, keys);
        QFETCH(QStringList, focus);
        QFETCH(QStringList, said);
        Game g;
        FrmLogic *b = shownBoard(g, 1);
        child<QWidget>(b, "CmdExit")->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        heard.clear();
        for (int key : keys) {
            QWidget *to = QApplication::focusWidget() ? QApplication::focusWidget() : b;
            QTest::keyClick(to, Qt::Key(key & ~Qt::KeyboardModifierMask),
                            Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
            QCoreApplication::processEvents();
        }
        QTRY_COMPARE(announced(), said);
        QCOMPARE(focused(), focus);
        b->hide();
    }

    // Tab into a box of the fill-in grid tells of its focus before its
    // caret; the folders are named without their indent, with their level.
    void fillInAndFoldersAreHeard() {
        Game g;
        FrmLogic *b = shownBoard(g, 1);
        auto *fill = qobject_cast<FrmFillIn *>(g.windows.fillIn());
        fill->Form_Load();
        fill->show();
        fill->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fill));
        auto *before = child<QLineEdit>(fill, "Txt0201"), *box = child<QLineEdit>(fill, "Txt0301");
        box->setText(QStringLiteral("Writers"));
        before->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();
        heard.clear();
        QTest::keyClick(before, Qt::Key_Tab);
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::focusWidget(), box);
        QVERIFY(box->hasSelectedText());
        const QString name = "Row 1, " + fill->Lbl[2]->text();
        int focusAt = -1, caretAt = -1;
        for (int i = 0; i < heard.size(); ++i) {
            if (heard[i].name != name) continue;
            if (heard[i].type == QAccessible::Focus && focusAt < 0) focusAt = i;
            if (heard[i].type == QAccessible::TextCaretMoved ||
                heard[i].type == QAccessible::TextSelectionChanged)
                caretAt = caretAt < 0 ? i : caretAt;
        }
        QVERIFY(focusAt >= 0 && caretAt > focusAt);
        fill->hide();

        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("inner/deeper")));
        g.state.WhereFrom = kWhereSave;
        auto *files = qobject_cast<FrmFiles *>(g.windows.fileWindow());
        files->dirList->setPath(dir.path() + QStringLiteral("/inner"));
        QAccessibleInterface *list = of(files->dirList);
        const int rows = files->dirList->count();
        const int depth = int(dir.path().count(QLatin1Char('/'))) + 2;  // inner's level
        for (int r = rows - 2; r < rows; ++r) {
            QAccessibleInterface *item = list->child(r);
            QVERIFY(item);
            const bool open = r == rows - 2;
            QCOMPARE(item->text(QAccessible::Name),
                     open ? QStringLiteral("inner") : QStringLiteral("deeper"));
            QCOMPARE(item->text(QAccessible::Description),
                     QStringLiteral("folder %1 of %2, level %3")
                         .arg(r + 1)
                         .arg(rows)
                         .arg(open ? depth : depth + 1));
        }
        b->hide();
    }

    // The hint's box is announced like every message at both presses, and
    // the hinted square is heard taking the focus once the second box closes.
    void hintIsHeard() {
        Game g;
        FrmLogic *b = shownBoard(g, 1);
        const Hint hint = hintFor(findPuzzle(1), b->codes());
        const CellId cell = cellAt(hint.cell);
        QAccessibleInterface *square = tableOf(b)->cellAt(cell.row - 1, cell.column - 1);
        for (int press = 0; press < 2; ++press) {
            heard.clear();
            bool alert = false;
            whenModal([&](QWidget *w) {
                for (const Heard &h : heard) alert |= h.type == QAccessible::Alert;
                qobject_cast<QMessageBox *>(w)->done(QMessageBox::Ok);
            });
            QTest::keyClick(b, Qt::Key_H);
            QVERIFY(alert);
            b->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(b));
        }
        QTRY_VERIFY(focused().contains(square->text(QAccessible::Name)));
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
