#include "support/MainWindowFixture.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>

namespace brisvane {
namespace {

struct EditingTest : MainWindowTest {
    void paste(ColorField* field, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        field->selectAll();
        QTest::keySequence(field, QKeySequence::Paste);
    }
};

// The field shows the colour at once, and the scheme keeps it completed with "0"s; only a move
// to another part of the window completes the field. A menu, a popup or another window do not.
TEST_F(EditingTest, TypingShowsTheColourAtOnceAndOnlyAMoveWithinTheWindowFillsTheFieldUp) {
    const std::tuple<const char*, const char*, const char*, const char*, ColorRole> rows[] = {
        {"txtHex0", "f", "#F", "#F00000", ColorRole::Face},
        {"txtHex0", "#12345", "#12345", "#123450", ColorRole::Face}, // six characters
        {"txtHexHover", "#12345", "#12345", "#123450", ColorRole::Hover}};
    for (const auto& [name, typed, shown, completed, role] : rows) {
        ColorField* field = find<ColorField>(name);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, typed);
        EXPECT_EQ(field->text(), shown);
        for (ColorPicture* part : window.roleParts(role))
            EXPECT_EQ(part->backColor(), hexToColor(completed));
        for (Qt::FocusReason reason :
             {Qt::MenuBarFocusReason, Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
            QFocusEvent away(QEvent::FocusOut, reason);
            QCoreApplication::sendEvent(field, &away);
            EXPECT_EQ(field->text(), shown) << reason;
        }
        find<ColorField>("txtHexTrack")->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(field->text(), completed);
        EXPECT_EQ(state.scheme.color(role), completed);
    }
    EXPECT_TRUE(previewHas("scrollbar-face-color:#123450;\r\n"));
    EXPECT_EQ(find<ColorPicture>("picColors1")->backColor(), 0x808080); // other rows keep theirs
}

TEST_F(EditingTest, EachBadCharacterHasAWindowOnceTheFieldShowsWhatIsLeft) {
    ColorField* arrows = find<ColorField>("txtHexArrows");
    Texts seen;
    for (int i = 0; i < 3; ++i) {
        ui.scripts.push_back([&](QDialog&) {
            seen.push_back(arrows->text() + " " +
                           QString::number(find<ColorPicture>("picColorsArrows")->backColor(), 16));
        });
    }
    arrows->setCursorPosition(2);
    QTest::keyClicks(arrows, "g"); // inside a full field: the last digit is cut, then G goes
    paste(arrows, "zz");
    EXPECT_EQ(seen, (Texts{"#80808 808080", "# 0", "# 0"}));
    EXPECT_EQ(ui.modals, test::Modals(3, {"Hex Error", &window}));
}

TEST_F(EditingTest, EveryWayOfPastingHandsTheFieldOnlyItsFirstSevenCharacters) {
    const QString family = QString::fromUtf8("\U0001F468\u200D\U0001F469\u200D\U0001F467");
    // The family is one character; "1" under a million accents is one too, and no digit.
    const std::tuple<QString, const char*, std::size_t> cases[] = {
        {"#1" + family + "2345678", "#12345", 1}, {"#1" + QString(1 << 20, QChar(0x0301)), "#", 2}};
    ColorField* field = find<ColorField>("txtHex1");
    for (const auto& [pasted, shown, windows] : cases) {
        paste(field, pasted);
        EXPECT_EQ(field->text(), shown);
        EXPECT_EQ(ui.modals.size(), windows);
    }

    // The context menu's Paste and a drop cut a long text as Ctrl+V does.
    qsizetype longest = 0; // of the texts the field is handed
    QObject::connect(field, &QLineEdit::textChanged,
                     [&](const QString& text) { longest = std::max(longest, text.size()); });
    QGuiApplication::clipboard()->setText(QString("ABCDEF0123456789").repeated(64));
    field->selectAll();
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, {5, 5}, field->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(field, &menuEvent);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_TRUE(menu);
    menu->close();
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith(QLineEdit::tr("&Paste")))
            action->trigger();
    }
    EXPECT_EQ(field->text(), "#ABCDEF");
    field->setText("#");
    QMimeData dropped;
    dropped.setText("123456" + QString(1024, 'F'));
    const QPointF end(field->width() - 2, 5);
    QDragEnterEvent enter(end.toPoint(), Qt::CopyAction, &dropped, Qt::LeftButton, {});
    QApplication::sendEvent(field, &enter);
    QDropEvent drop(end, Qt::CopyAction, &dropped, Qt::LeftButton, {});
    QApplication::sendEvent(field, &drop);
    EXPECT_EQ(field->text(), "#123456");
    EXPECT_LE(longest, 14);
}

TEST_F(EditingTest, PickingAColourGoesEverywhere) {
    const std::tuple<const char*, ColorRole, const char*> cases[] = {
        {"picColors0", ColorRole::Face, "Face Color"},
        {"picTColor2", ColorRole::ThreeDLight, "3D Light Color"},
        {"picBArrow1", ColorRole::Arrow, "ArrowColor"}};
    for (const auto& [clicked, role, title] : cases) {
        SCOPED_TRACE(title);
        ui.colors.push_back(0x0000FF); // red
        QTest::mouseClick(find(clicked), Qt::LeftButton);
        EXPECT_EQ(ui.log.back(), "choose " + QString(title) + " from 0"); // black
        EXPECT_EQ(window.colorField(role)->text(), "#FF0000");
        for (ColorPicture* part : window.roleParts(role))
            EXPECT_EQ(part->backColor(), 0x0000FF);
        EXPECT_TRUE(previewHas(std::string(cssPropertyName(role)) + ":#FF0000;"));
    }

    // The colour a field has already writes no field, but the preview is built again.
    state.scheme.trackColor = "#123456";
    ui.colors = {0x0000FF, std::nullopt};
    QTest::mouseClick(find("picColors0"), Qt::LeftButton);
    EXPECT_TRUE(previewHas("scrollbar-track-color:#123456;"));
    // Cancelling changes nothing, but the click counts as a change.
    state.setSchemeModified(false);
    const QString page = window.txtHTML();
    QTest::mouseClick(find("picTColor3"), Qt::LeftButton);
    EXPECT_EQ(window.txtHTML(), page);
    EXPECT_EQ(find<ColorField>("txtHex3")->text(), "#808080");
    EXPECT_TRUE(saveOffered());
}

TEST_F(EditingTest, ResetAsksFirstAndRestoresTheDefaultsEverywhere) {
    find<ColorField>("txtHex0")->setText("#123");
    state.setSchemeModified(false);
    ui.answers = {PlatformUi::Answer::No, PlatformUi::Answer::Yes};
    QTest::mouseClick(find("lblReset"), Qt::LeftButton);
    EXPECT_EQ(ui.log, (Texts{"[Confirm Reset] You are about to Reset the current Scrollbar "
                             "to default settings.\r\nAre you sure?"}));
    EXPECT_TRUE(saveOffered()); // asking counts as a change
    EXPECT_EQ(find<ColorField>("txtHex0")->text(), "#123");
    QTest::mouseClick(find("lblReset"), Qt::LeftButton);
    expectShows(defaultScheme);
}

} // namespace
} // namespace brisvane
