#pragma once

namespace ui {

// The commands of the main window. Each is one action, shared by its menu entry, toolbar
// button and shortcut; the popup entries trigger it, so they all do the same thing. The shell
// runs the document and window commands; each subsystem offers the commands that show its
// dialogs.
enum class Command {
    OpenText,        // "Открыть текст..."
    OpenPicture,     // "Открыть графику..."
    Save,            // "Сохранить..."
    Print,           // "Печать..."
    Close,           // "Закрыть"
    Cascade,         // "Каскад"
    Tile,            // "Мозаика"
    NextWindow,      // "Следующее"
    PreviousWindow,  // "Предыдущее"
    NewMix,          // "Новый БНС..."
    MixOptions,      // "Опции для расчета..."
    CorrectStrength, // "по Ц/В и прочности бетона..."
    CorrectAggregates, // "по гранулометрии и влажности заполнителей..."
    AnalysedPeriod,   // "Анализируемый период..."
    ControlledPeriod, // "Контролируемый период..."
    TestRegister,     // "Журнал испытаний..."
    Help,             // "Помощь"
    About,            // "О программе..."
};

} // namespace ui
