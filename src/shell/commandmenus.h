#pragma once

class QMenu;
class QToolBar;
class QWidget;

namespace ui {
class MenuToolBar;
}

namespace shell {

class CommandActions;

// The main menu MainMenu1 on its dockable bar: "  Файл", "  Окно", "  Расчет БНС",
// "  Корректирование состава бетона", "  Стат. контроль", "  Справка".
void fillMainMenu(const CommandActions &actions, ui::MenuToolBar *carrier);

// The toolbar abcToolbar1 with its eight buttons abcToolbarButton1…8 in their groups.
QToolBar *createCommandToolbar(const CommandActions &actions, QWidget *parent);

// PopupMenu1, the popup of the main window's free area and of every report window: the same
// entries (same actions) in both.
QMenu *createPopupMenu(const CommandActions &actions, QWidget *parent);

} // namespace shell
