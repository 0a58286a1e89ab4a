// ntc-beta-cli: every text the program shows, in English and Simplified Chinese.
#include "cli/messages.h"

#include "calc/quantity.h"

namespace cli {

namespace {

const Messages kEnglish{
    .program = "The B constant of an NTC thermistor from two readings, the Steinhart-Hart "
               "coefficients from three, and R/T tables from either model.",
    .helpFlag = "Print this help and exit",
    .versionFlag = "Print the version and exit",
    .optionsGroup = "Options",
    .commandsGroup = "Commands",
    .usageLabel = "Usage",
    .optionsLabel = "OPTIONS",
    .commandLabel = "COMMAND",
    .positionalsLabel = "Arguments",
    .requiredLabel = "REQUIRED",
    .betaCommand = "B = ln(R1/R2) / (1/T1 - 1/T2) from R1 at T1 and R2 at T2, or for every row of a CSV file",
    .betaValues = "R1 T1 R2 T2: resistances (10000, 10k, 4.7M, 680Ω) and temperatures (25, 25°C, 298.15K, 77°F)",
    .csvOption = "CSV file with columns r1, t1, r2, t2 in any order ('-' for standard input); "
                 "written to standard output with columns b and b_name added",
    .kelvinOption = "Temperatures without a unit are kelvin (default: °C)",
    .steinhartCommand = "Steinhart-Hart A, B, C (1/T = A + B ln R + C (ln R)^3) through three points, "
                        "and the B between each pair",
    .steinhartValues = "R1 T1 R2 T2 R3 T3, in any order",
    .tableCommand = "R/T table: temperature (°C), resistance (Ω) and alpha (%/K) per row",
    .r25Option = "Beta model: the resistance at 25 °C",
    .betaOption = "Beta model: B in kelvin",
    .steinhartOption = "Steinhart-Hart model: A B C",
    .fromOption = "First temperature in °C (default -40)",
    .toOption = "Last temperature in °C (default 125)",
    .stepOption = "Step in kelvin (default 5)",
    .formatOption = "Output: csv (default), markdown, or c (an array for firmware)",
    .temperatureCommand = "The temperature at each resistance, from --r25/--beta or --steinhart",
    .temperatureValues = "Resistances (10k, 4.7M, 680Ω)",
    .resistanceCommand = "The resistance at each temperature, from --r25/--beta or --steinhart",
    .resistanceValues = "Temperatures (25, 25°C, 298.15K, 77°F)",
    .footer = "Numbers use the period; a value that cannot be read is an error. "
              "Exit status: 0 success, 1 a computation failed, 2 usage error.",
    .expectedResistance = "a resistance such as 10000, 10k, 4.7M or 680Ω",
    .expectedTemperature = "a temperature such as 25, 25°C, 298.15K or 77°F",
    .expectedNumber = "a plain number such as 3435 or 1.5e-7",
    .beyondRange = "the number lies beyond the range of a double",
    .betaNeedsValues = "beta: give four values R1 T1 R2 T2, or --csv FILE",
    .steinhartNeedsValues = "steinhart: give six values R1 T1 R2 T2 R3 T3",
    .modelNeeded = "give the beta model (--r25 and --beta) or --steinhart A B C, not both",
    .noRange = "--from, --to and --step give no table: the step must be above 0, --from not above --to, "
               "at most 100000 rows",
    .runHelp = "Run with --help for more information.",
    .errorPrefix = "ntc-beta-cli: ",
    .cannotOpen = "cannot open ",
    .cannotWrite = "cannot write the output",
    .cannotRead = "reading the input failed",
    .emptyInput = "the input is empty; expected a header naming r1, t1, r2, t2",
    .headerLacks = "the header names no column ",
    .rowLacks = "the row has no field ",
    .openQuote = "a quoted field is not closed",
    .line = "line ",
    .lineAfter = ": ",
    .rowsFailed = "rows that could not be computed (their b is empty): ",
    .warningPrefix = "warning: ",
    .cNotPositive = "C <= 0: the curve is no thermistor's beyond these points",
    .notFalling = "the resistances do not fall as the temperature rises (an NTC's do)",
    .atTemperature = "at ",
    .pressAnyKey = "Press any key to close this window.",
    .failures = {
        "the two temperatures are equal",
        "two resistances are equal",
        "a temperature is 0 K",
        "a temperature is below 0 K",
        "the ratio of the resistances is not positive (a resistance is 0 or negative)",
        "a step of the computation goes beyond the range of a double",
        "no Steinhart-Hart curve passes through these points (ln R1 + ln R2 + ln R3 = 0)",
        "the model gives no value here",
    },
};

const Messages kChinese{
    .program = "由两组读数计算 NTC 热敏电阻的 B 值，由三点拟合 Steinhart-Hart 系数，并由任一模型生成 R/T 表。",
    .helpFlag = "显示本帮助并退出",
    .versionFlag = "显示版本并退出",
    .optionsGroup = "选项",
    .commandsGroup = "命令",
    .usageLabel = "用法",
    .optionsLabel = "选项",
    .commandLabel = "命令",
    .positionalsLabel = "参数",
    .requiredLabel = "必填",
    .betaCommand = "由 T1 时的 R1 和 T2 时的 R2 计算 B = ln(R1/R2) / (1/T1 - 1/T2)，或对 CSV 文件的每一行计算",
    .betaValues = "R1 T1 R2 T2：电阻（10000、10k、4.7M、680Ω）与温度（25、25°C、298.15K、77°F）",
    .csvOption = "含 r1、t1、r2、t2 列（顺序不限）的 CSV 文件（'-' 为标准输入）；"
                 "加上 b 与 b_name 列后写到标准输出",
    .kelvinOption = "未注单位的温度为开尔文（默认：°C）",
    .steinhartCommand = "过三点的 Steinhart-Hart 系数 A、B、C（1/T = A + B ln R + C (ln R)^3），以及每两点间的 B 值",
    .steinhartValues = "R1 T1 R2 T2 R3 T3，顺序不限",
    .tableCommand = "R/T 表：每行为温度（°C）、电阻（Ω）与 α（%/K）",
    .r25Option = "B 值模型：25 °C 时的电阻",
    .betaOption = "B 值模型：B（开尔文）",
    .steinhartOption = "Steinhart-Hart 模型：A B C",
    .fromOption = "起始温度，°C（默认 -40）",
    .toOption = "终止温度，°C（默认 125）",
    .stepOption = "步长，开尔文（默认 5）",
    .formatOption = "输出格式：csv（默认）、markdown 或 c（供固件使用的数组）",
    .temperatureCommand = "由 --r25/--beta 或 --steinhart 求各电阻对应的温度",
    .temperatureValues = "电阻（10k、4.7M、680Ω）",
    .resistanceCommand = "由 --r25/--beta 或 --steinhart 求各温度对应的电阻",
    .resistanceValues = "温度（25、25°C、298.15K、77°F）",
    .footer = "数字以句点为小数点；无法读取的数值即为错误。退出状态：0 成功，1 计算失败，2 用法错误。",
    .expectedResistance = "应为电阻值，例如 10000、10k、4.7M 或 680Ω",
    .expectedTemperature = "应为温度，例如 25、25°C、298.15K 或 77°F",
    .expectedNumber = "应为数字，例如 3435 或 1.5e-7",
    .beyondRange = "数值超出双精度数的范围",
    .betaNeedsValues = "beta：请给出四个值 R1 T1 R2 T2，或 --csv 文件",
    .steinhartNeedsValues = "steinhart：请给出六个值 R1 T1 R2 T2 R3 T3",
    .modelNeeded = "请给出 B 值模型（--r25 与 --beta）或 --steinhart A B C，二者择一",
    .noRange = "--from、--to 与 --step 构不成表：步长须大于 0，--from 不得大于 --to，最多 100000 行",
    .runHelp = "使用 --help 查看帮助。",
    .errorPrefix = "ntc-beta-cli：",
    .cannotOpen = "无法打开 ",
    .cannotWrite = "无法写出结果",
    .cannotRead = "读取输入失败",
    .emptyInput = "输入为空；应有一行列名，含 r1、t1、r2、t2",
    .headerLacks = "列名行中没有列 ",
    .rowLacks = "该行没有字段 ",
    .openQuote = "引号内的字段没有结束",
    .line = "第 ",
    .lineAfter = " 行：",
    .rowsFailed = "无法计算的行数（其 b 为空）：",
    .warningPrefix = "警告：",
    .cNotPositive = "C <= 0：超出这几点后该曲线不再像热敏电阻",
    .notFalling = "电阻没有随温度升高而下降（NTC 的电阻应下降）",
    .atTemperature = "在 ",
    .pressAnyKey = "按任意键关闭此窗口。",
    .failures = {
        "两个温度相同",
        "两个电阻相同",
        "温度为 0 K",
        "温度低于 0 K",
        "电阻之比不为正（电阻为 0 或负值）",
        "计算中某一步超出双精度数的范围",
        "没有 Steinhart-Hart 曲线经过这三点（ln R1 + ln R2 + ln R3 = 0）",
        "模型在此处无解",
    },
};

} // namespace

const Messages& messages(Language language)
{
    return language == Language::chinese ? kChinese : kEnglish;
}

std::string unreadable(const Messages& m, std::string_view what, std::string_view text, std::string_view expected)
{
    std::string out(what);
    if (calc::beyondDoubleRange(text)) expected = m.beyondRange;
    if (&m == &kChinese) return out.append("“").append(text).append("”：").append(expected);
    out.append(" '").append(text).append("': ");
    return out.append(expected == m.beyondRange ? "" : "expected ").append(expected);
}

std::string_view failureText(const Messages& m, calc::ModelFailureKind kind)
{
    return m.failures[static_cast<int>(kind)];
}

} // namespace cli
