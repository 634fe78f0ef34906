#include "mixdesign/core/reportsections.h"

#include "mixdesign/core/economy.h"
#include "mixdesign/core/strength.h"
#include "text/numbers.h"

namespace mixdesign {

using text::fixed;

namespace {

const char *const perCubicMetreL = " л/куб.м.";
const char *const perCubicMetreKg = " кг/куб.м.";

std::string acceleratorLine(int accelerator)
{
    switch (accelerator) {
    case 0:
        return "При пропаривании ускорители-твердения не используются";
    case 1:
        return "При пропаривании используется как ускоритель-твердения сульфат натрия";
    case 2:
        return "При пропаривании используется как ускоритель-твердения хлорид кальция";
    case 3:
        return "При пропаривании используется как ускоритель-твердения \"Релаксол\"";
    case 4:
        return "При пропаривании используется для ускорения твердения суперпластификатор "
               "(типа С-3)";
    default:
        return {};
    }
}

std::string cementKindLine(int cementKind)
{
    switch (cementKind) {
    case 0:
        return "Вид цемента по пропариванию: портландцемент 1-й группы";
    case 1:
        return "Вид цемента по пропариванию: портландцемент 2-й группы";
    case 2:
        return "Вид цемента по пропариванию: шлакопортландцемент";
    default:
        return {};
    }
}

std::string coarseKindLine(CoarseKind kind)
{
    switch (kind) {
    case CoarseKind::CrushedStone:
        return "В качестве крупного заполнителя используется щебень";
    case CoarseKind::MountainGravel:
        return "В качестве крупного заполнителя используется горный гравий";
    case CoarseKind::RiverGravel:
        break;
    }
    return "В качестве крупного заполнителя используется речной (морской) гравий";
}

void addSteamCuringLines(common::Report &report, const SteamCuringForm &steam)
{
    report.add("Применяется пропаривание изделий");
    report.add("Общая длительность цикла пропаривания: " + steam.edT_prop + "ч.");
    report.add("Время выдержки после ТВО: " + steam.edT_vuderz + "ч.");
    if (const std::string line = acceleratorLine(steam.rgYskoriteli); !line.empty())
        report.add(line);
    if (const std::string line = cementKindLine(steam.rgVid_Cem); !line.empty())
        report.add(line);
    report.add("Отпускная (передаточная) прочность после пропаривания: "
               + fixed(steam.SteamStrengthPct, 0) + " % от R28");
}

void addMeasureLines(common::Report &report, const MeasureForm &m, Measure measure)
{
    switch (measure) {
    case Measure::None:
        report.add("Нет нужного технологического приема для экономии цемента");
        break;
    case Measure::HigherCementGrade:
        report.add("Увеличена марка цемента до М" + m.edMarka_C);
        break;
    case Measure::LongerDesignAge:
        report.add("Увеличен проектный возраст бетона до " + m.edAge + " сут.");
        break;
    case Measure::AirEntrainment:
        report.add("Введена воздухововлекающая добавка");
        report.add("Предполагаемый объем вовлеченного воздуха " + m.edAir + " л.");
        break;
    case Measure::FlyAsh:
        report.add("Введена зола-унос в количестве " + m.edAsh + " кг/куб. м.");
        break;
    case Measure::Superplasticiser:
        report.add("Введена добавка-суперпластификатор");
        report.add("Снижение водопотребности, %: " + m.edSuperplast);
        break;
    case Measure::Plasticiser:
        report.add("Введена добавка-пластификатор");
        report.add("Снижение водопотребности, %: " + m.edPlast);
        break;
    }
}

bool measureChosen(const MixDesignState &state, const MixDesignFigures &figures, Measure measure)
{
    return figures.input.CementSavingWanted && state.economy.rgEconomy == static_cast<int>(measure);
}

} // namespace

void addInputSection(common::Report &report, const MixDesignState &state,
                     const MixDesignFigures &figures)
{
    const MixDesignInput &in = figures.input;
    const BnsForm &bns = state.bns;
    report.add("1. ИСХОДНЫЕ ДАННЫЕ ДЛЯ РАСЧЕТА ");
    report.add("");
    report.add("Проектный класс бетона по прочности B" + bns.edClassBet);
    if (in.WaterproofNormed) {
        report.add("Нормируется величина водонепроницаемости");
        report.add("Марка по водонепроницаемости W" + state.frostWater.edW);
    }
    if (in.FrostNormed) {
        report.add("Нормируется величина морозостойкости");
        report.add("Марка по морозостойкости F" + state.frostWater.edMarka_F);
    }
    if (in.SteamCured)
        addSteamCuringLines(report, state.steamCuring);
    report.add(in.WorkabilityIndicator == Workability::Slump
                   ? "Показатель удобоукладываемости - осадка конуса, см"
                   : "Показатель удобоукладываемости - жесткость, сек (по техн. вискозиметру)");
    report.add("Значение удобоукладываемости: " + bns.edYdoboykl);
    report.add("Температура бетонной смеси: " + state.options.edTemperatyr + " град.");
    report.add("");
    report.add("Марка используемого цемента: М" + bns.edMarkCem);
    report.add("Нормальная густота цементного теста: " + bns.edNGCT + "%");
    report.add("");
    report.add("Модуль крупности используемого песка: " + bns.edMkr_P);
    report.add("Насыпная плотность песка: " + bns.edNPl_P + "кг/л");
    report.add("Содержание примесей в песке: " + bns.edPr_P + "%");
    report.add("");
    report.add(coarseKindLine(in.CoarseAggregateKind));
    report.add("Наибольшая крупность крупного заполнителя: " + bns.edNKr_Sc + "мм");
    report.add("Насыпная плотность крупного заполнителя: " + bns.edNPl_Sc + "кг/л");
    report.add("Содержание примесей в крупном заполнителе: " + bns.edPr_Sc + "%");
    report.add("");
}

void addWaterCementSection(common::Report &report, const MixDesignFigures &figures)
{
    const CoefficientA &a = figures.coefA;
    report.add("2. РАСЧЕТ В/Ц И УСЛОВИЙ ТВЕРДЕНИЯ БЕТОНА");
    report.add("Предварительное значение коэффициента А: " + fixed(a.preliminary, 2));
    report.add("Поправки по коэффициенту А");
    report.add("Поправка по наибольшей крупности щебня: " + fixed(a.byAggregateSize, 2));
    report.add("Поправка по нормальной густоте цементного теста: "
               + fixed(a.byNormalConsistency, 2));
    report.add("Поправка по модулю крупности песка: " + fixed(a.bySandFineness, 2));
    report.add("Поправка по значению удобоукладываемости: " + fixed(a.byWorkability, 2));
    report.add("Окончательное значение коэффициента А: " + fixed(a.final(), 2));
    report.add("");
    report.add("Расчетное В/Ц обеспечивающее нормируемую прочность: "
               + fixed(figures.wcForStrength, 2));
    report.add("Расчетное В/Ц с учетом всех нормируемых свойств: "
               + fixed(figures.wcWithAllProperties, 2));
    report.add("Расчетная ожидаемая прочность, R28: " + fixed(figures.expectedStrength, 1)
               + " МПа");
    report.add("");
}

void addWaterAndCementSection(common::Report &report, const MixDesignState &state,
                              const MixDesignFigures &figures)
{
    const WaterDemand &w = figures.water;
    const CementDemand &c = figures.cement;
    report.add("3. РАСЧЕТ РАСХОДОВ ВОДЫ И ЦЕМЕНТА");
    report.add("Предварительный расход воды: " + fixed(w.preliminary, 0) + perCubicMetreL);
    report.add("Корректирование расхода воды");
    report.add("Поправка по модулю крупности песка: " + fixed(w.bySandFineness, 1)
               + perCubicMetreL);
    report.add("Поправка по нормальной густоте цементного теста: " + fixed(w.byNormalConsistency, 1)
               + perCubicMetreL);
    report.add("Поправка по содержанию примесей в песке: " + fixed(w.bySandImpurities, 1)
               + perCubicMetreL);
    report.add("Поправка по содержанию примесей в щебне: " + fixed(w.byCoarseImpurities, 1)
               + perCubicMetreL);
    report.add("Поправка по температуре бетонной смеси: " + fixed(w.byTemperature, 1)
               + perCubicMetreL);
    report.add("Сумма поправок: " + fixed(w.corrections(), 1) + perCubicMetreL);
    report.add("Критическое Ц/В: " + fixed(c.criticalCW, 2));
    report.add("Расчетное Ц/В: " + fixed(c.designCW, 2));
    report.add(c.beyondConstantWaterRule()
                   ? "Расход воды вышел за пределы правила постоянства водопотребности."
                   : "Расход воды находится в пределах правила постоянства водопотребности.");
    report.add("Поправка по значению Ц/В: " + fixed(c.correctionByCW, 1) + perCubicMetreL);
    report.add("Расчетный расход воды: " + fixed(c.designWater, 0) + perCubicMetreL);
    if (figures.input.SteamCured
        && state.steamCuring.rgYskoriteli == static_cast<int>(Accelerator::Superplasticiser))
        report.add("Расход воды обусловлен введением суперпластификатора для ускорения твердения");
    report.add("Расчетный расход цемента: " + fixed(c.designCement, 0) + perCubicMetreKg);
    report.add("");
}

void addCementSavingSection(common::Report &report, const MixDesignState &state,
                            const MixDesignFigures &figures)
{
    const WorkingValues &work = state.work;
    report.add("4. ТЕХНОЛОГИЧЕСКИЕ РЕШЕНИЯ ДЛЯ ЭКОНОМИИ ЦЕМЕНТА");
    if (!figures.input.CementSavingWanted) {
        report.add("Не принято решение о экономии цемента");
    } else {
        const int choice = state.economy.rgEconomy;
        const Measure measure = isMeasure(choice) ? static_cast<Measure>(choice) : Measure::None;
        addMeasureLines(report, state.measure, measure);
        report.add("Окончательный расход цемента: " + fixed(work.CementContent, 0)
                   + perCubicMetreKg);
        report.add("Окончательный расход воды: " + fixed(work.WaterContent, 0) + perCubicMetreKg);
        report.add((measure == Measure::FlyAsh ? "Окончательное значение В/Ц (приведенное): "
                                               : "Окончательное значение В/Ц: ")
                   + fixed(work.WCRatio, 2));
        const double strength = strengthFromWC(work.CoefA, work.CementActivity, work.WCRatio);
        report.add("Окончательная ожидаемая прочность в 28 сут, R28, МПа: " + fixed(strength, 1));
    }
    report.add("");
}

void addAggregatesSection(common::Report &report, const MixDesignFigures &figures)
{
    const Aggregates &a = figures.aggregates;
    report.add("5. РАСЧЕТ РАСХОДОВ КРУПНОГО И МЕЛКОГО ЗАПОЛНИТЕЛЕЙ");
    report.add("Предварительный коэффициент раздвижки: " + fixed(a.preliminarySpreading, 2));
    report.add("Поправка по значению удобоукладываемости: " + fixed(a.spreadingByWorkability, 2));
    report.add("Поправка по расходу вяжущего: " + fixed(a.spreadingByBinder, 2));
    report.add("Сумма поправок: " + fixed(a.spreadingByWorkability + a.spreadingByBinder, 2));
    report.add("Окончательный коэффициент раздвижки: " + fixed(a.spreading, 2));
    report.add("Расход щебня: " + fixed(a.coarse, 0) + perCubicMetreKg);
    report.add("Расход песка: " + fixed(a.sand, 0) + perCubicMetreKg);
    report.add("Абсолютный объем компонентов бетонной смеси: " + fixed(a.absoluteVolume, 0)
               + " л.");
    report.add("");
}

void addFinalMixSection(common::Report &report, const MixDesignState &state,
                        const MixDesignFigures &figures)
{
    const Aggregates &a = figures.aggregates;
    report.add("6. ОКОНЧАТЕЛЬНЫЙ СОСТАВ БЕТОНА");
    report.add("Расход цемента: " + fixed(state.work.CementContent, 0) + perCubicMetreKg);
    if (measureChosen(state, figures, Measure::FlyAsh))
        report.add("Расход золы-унос: " + state.measure.edAsh + " кг/куб. м.");
    report.add("Расход щебня: " + fixed(a.coarse, 0) + perCubicMetreKg);
    report.add("Расход песка: " + fixed(a.sand, 0) + perCubicMetreKg);
    report.add("Расход воды: " + fixed(state.work.WaterContent, 0) + perCubicMetreKg);
    if (measureChosen(state, figures, Measure::AirEntrainment))
        report.add("Объем вовлеченного воздуха: " + state.measure.edAir + " л/куб.м.");
}

common::Report mixDesignReport(const MixDesignState &state, const MixDesignFigures &figures)
{
    common::Report report;
    report.captionBeforeNumber = "Окно №";
    report.captionAfterNumber = ". Расчет БНС.";
    addInputSection(report, state, figures);
    addWaterCementSection(report, figures);
    addWaterAndCementSection(report, state, figures);
    addCementSavingSection(report, state, figures);
    addAggregatesSection(report, figures);
    addFinalMixSection(report, state, figures);
    return report;
}

} // namespace mixdesign
