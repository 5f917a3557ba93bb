#include "support/MainWindowFixture.h"
#include "windows/frmCode.h"
#include "windows/frmHelp.h"
#include "windows/frmHexErr.h"
#include "windows/frmOpen.h"

#include <QAccessible>

namespace brisvane {
namespace {

// What assistive technology is told of the widget: its role, name and actions.
struct Told {
    QAccessible::Role role;
    QString name;
    QStringList actions;
};
Told told(QObject* object) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(object);
    const QAccessibleActionInterface* actions = a ? a->actionInterface() : nullptr;
    return {a ? a->role() : QAccessible::NoRole, a ? a->text(QAccessible::Name) : QString(),
            actions ? actions->actionNames() : QStringList()};
}

TEST_F(MainWindowTest, EveryControlHasItsRoleAndNameAndEveryButtonCanBePressed) {
    frmCode code(ui, state);
    frmOpen open(ui, store);
    frmHelp help(state, ui);
    frmHexErr hexError;
    using R = QAccessible::Role;
    const std::tuple<QWidget*, const char*, R, QString> controls[] = {
        {&window, "lblCreate", R::Button, "Generate Scrollbar"},
        {&window, "txtHex4", R::EditableText, "Dark Shadow color"},
        {&window, "picColors2", R::Button, "3D Light color: choose"},
        {&window, "picBColor3", R::Graphic, "Shadow color in the enlarged scrollbar"},
        {&window, "lblDark", R::RadioButton, "Dark"},
        {&window, "lblContrast", R::StaticText, "Contrast"},
        {&code, "txtDark", R::EditableText, "Dark theme selector"},
        {&code, "lblModern", R::RadioButton, "Every Browser"},
        {&open, "lblOpen", R::PageTab, "Existing"},
        {&hexError, nullptr, R::AlertMessage,
         "You entered a NON-Hexadecimal Digit. These boxes will accept only the following "
         "Hexadecimal Digits: # 0 1 2 3 4 5 6 7 8 9 A B C D E F"},
    };
    for (const auto& [owner, name, role, said] : controls) {
        const Told t = told(name ? child(*owner, name) : owner);
        EXPECT_EQ(t.role, role) << name;
        EXPECT_EQ(t.name, said) << name;
        EXPECT_EQ(t.actions.contains(QAccessibleActionInterface::pressAction()),
                  role == R::Button || role == R::RadioButton || role == R::PageTab)
            << name;
    }
    EXPECT_TRUE(window.colorField(ColorRole::Pressed)->accessibleDescription().contains("empty"));
    // Nothing the keyboard reaches is nameless.
    for (QWidget* top : std::initializer_list<QWidget*>{&window, &code, &open, &help, &hexError}) {
        for (QWidget* w : top->findChildren<QWidget*>()) {
            const bool reached = (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(top);
            EXPECT_FALSE(reached && told(w).name.isEmpty())
                << w->metaObject()->className() << ' ' << w->objectName().toStdString();
        }
    }
    // Press does what a click does.
    QAccessible::queryAccessibleInterface(child(code, "lblModern"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(state.everyBrowserBlock);
}

// Where the keyboard is in a window, and a key pressed there.
QWidget* focus(QWidget& top) {
    return top.focusWidget() ? top.focusWidget() : &top;
}
void press(QWidget& top, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(focus(top), key, modifiers);
}
void tabTo(QWidget& top, const QString& name) {
    for (int i = 0; i < 40 && focus(top)->objectName() != name; ++i)
        press(top, Qt::Key_Tab);
    ASSERT_EQ(focus(top)->objectName(), name);
}

TEST_F(MainWindowTest, TabGoesDownEachColumnOfTheMainWindowAsOneReadsIt) {
    window.activateWindow();
    find("txtHex4")->setFocus();
    QStringList reached;
    while (reached.size() < 20 && (reached.isEmpty() || reached.back() != "txtHex0")) {
        press(window, Qt::Key_Tab);
        reached.push_back(focus(window)->objectName());
    }
    EXPECT_EQ(reached.join(' '),
              "picColorsHover txtHexHover picColorsPressed txtHexPressed "
              "picColorsTrack txtHexTrack picColorsArrows txtHexArrows lblCreate "
              "lblReset lblExit lblLight DHTMLEdit1 lblDarkSet picColors0 txtHex0");
}

TEST_F(MainWindowTest, AProjectIsMadeColouredCopiedAndSavedWithTheKeyboardAlone) {
    ui.scripts.push_back([&](QDialog& open) {
        open.activateWindow();
        QTest::keyClicks(focus(open), "Keys");
        press(open, Qt::Key_Return);
    });
    ui.scripts.push_back([&](QDialog& code) {
        code.activateWindow();
        tabTo(code, "lblModern");
        press(code, Qt::Key_Space);
        tabTo(code, "lblCopy");
        press(code, Qt::Key_Space);
        press(code, Qt::Key_Escape);
        EXPECT_FALSE(code.isVisible());
    });
    window.activateWindow();
    press(window, Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(focus(window)->objectName(), "txtHex0"); // back where the keyboard was
    press(window, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(focus(window), "#FF0000");
    tabTo(window, "lblCreate");
    press(window, Qt::Key_Space);
    press(window, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(ui.modals.size(), 2u);
    EXPECT_TRUE(ui.log.at(0).startsWith("copy ") && ui.log.at(0).contains("#FF0000"));
    EXPECT_NE(test::readBytes(dir.path + "/data.ini")
                  .find("[Keys]\r\nDate=07/05/2002\r\nTime=02:40 PM\r\n1=#FF0000"),
              std::string::npos);
}

} // namespace
} // namespace brisvane
