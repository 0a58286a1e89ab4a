// ntc-beta-cli: every text the program shows, in English and Simplified Chinese.
#include "cli/messages.h"

#include "cli/text_encoding.h"

#include <cstdio>

namespace cli {

namespace {

// A value quoted in a message keeps its first characters only: enough to
// find it in the file, never a screenful.
constexpr std::size_t kShownCharacters = 40;

// A byte that is no UTF-8 or a control character, as \xNN.
std::string escaped(unsigned char byte)
{
    char text[8];
    std::snprintf(text, sizeof text, "\\x%02X", byte);
    return text;
}

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
    .csvOption = "CSV file (UTF-8, commas) with columns r1, t1, r2, t2 in any order ('-' for standard "
                 "input); written to standard output with b and b_name in the two columns after the "
                 "header's last (a short row is filled up with empty cells, a long row's extra cells "
                 "move after b_name)",
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
    .footer = "Numbers use the period: 4.7k, not 4,7k or the resistor marking 4k7. A lower-case k is kilo,\n"
              "so a temperature with one is refused: kelvin is K.\n"
              "Refused (exit status 1): a resistance or --r25 of 0 or less; a temperature at or below\n"
              "0 K; equal temperatures; a B of 0 or less (--beta, or measured from two readings: an\n"
              "NTC's resistance falls as it warms, so equal resistances are refused too).\n"
              "Warned about, the result still printed (exit status 3): a temperature, given or\n"
              "computed, outside -100 °C to 500 °C; a Steinhart-Hart B of 0 or less or C below 0.\n"
              "Exit status: 0 success, 1 a value refused or a computation failed, 2 usage error or a\n"
              "value that cannot be read, 3 done with warnings. Every good value is printed and\n"
              "every bad one named; in a CSV batch a refused or unreadable row keeps its cells with\n"
              "b and b_name empty, and the exit status counts every row.",
    .namedValue = "{} '{}'",
    .afterName = ": ",
    .cutValue = "{}… ({} bytes)",
    .expectedResistance = "expected a resistance such as 10000, 10k, 4.7M or 680Ω",
    .expectedTemperature = "expected a temperature such as 25, 25°C, 298.15K or 77°F",
    .expectedNumber = "expected a plain number such as 3435 or 1.5e-7",
    .expectedFormat = "expected csv, markdown or c",
    .beyondRange = "the number lies beyond the range of a double",
    .kiloOnTemperature = "a lower-case k after a temperature is kilo, not kelvin; write kelvin as K (298.15K)",
    .writeMarking = "write {} (resistor markings such as 4k7 are not read)",
    .windowOrder = "the values look like R1 R2 T1 T2, the window's order; beta takes R1 T1 R2 T2: "
                   "ntc-beta-cli beta {}",
    .betaNeedsValues = "beta: give four values R1 T1 R2 T2, or --csv FILE",
    .steinhartNeedsValues = "steinhart: give six values R1 T1 R2 T2 R3 T3",
    .temperatureNeedsValues = "temperature: give at least one resistance",
    .resistanceNeedsValues = "resistance: give at least one temperature",
    .modelNeeded = "give the beta model (--r25 and --beta) or --steinhart A B C, not both",
    .noRange = "--from, --to and --step give no table: the step must be above 0, --from not above --to, "
               "at most 100000 rows",
    .runHelp = "Run with --help for more information.",
    .errorPrefix = "ntc-beta-cli: ",
    .warningPrefix = "ntc-beta-cli: warning: ",
    .commandNeeded = "give a command: beta, steinhart, table, temperature or resistance",
    .unknownCommand = "unknown command '{}'; the commands are beta, steinhart, table, temperature and resistance",
    .unexpectedArguments = "unexpected argument: {}",
    .valueMissing = "{}: the option's value is missing",
    .badOptionValue = "{}: the option's value cannot be read",
    .unreadableCommandLine = "the command line cannot be read",
    .resistanceNotPositive = "a thermistor's resistance is above 0 Ω",
    .betaNotPositive = "B must be above 0 K: an NTC's resistance falls as it warms",
    .measuredBNotPositive = "B = {} K is not above 0: the resistance does not fall as the temperature rises, "
                            "as an NTC's does (are R1 and R2, or T1 and T2, swapped?)",
    .equalResistancesB = "the two resistances are equal, so B would be 0 K: an NTC's resistance falls as it warms",
    .notFalling = "the resistances do not fall as the temperature rises, as an NTC's do",
    .outsideUse = "{} °C lies outside -100 °C to 500 °C, where thermistors are used",
    .shBNotPositive = "Steinhart-Hart B <= 0: the curve does not fall as a thermistor's does",
    .cNegative = "C < 0: the curve is no thermistor's beyond these points",
    .cannotOpen = "cannot open {}",
    .isFolder = "{} is a folder, not a file",
    .cannotReadNamed = "reading {} failed",
    .cannotWrite = "cannot write the output",
    .emptyInput = "{} is empty; expected a header naming r1, t1, r2, t2",
    .headerLacks = "the header names no column {}",
    .rowLacks = "the row has no field {}",
    .strayQuote = "the quote that opens field {} does not close on its line: read as a plain character",
    .extraFields = "the row has {} fields, the header {}: the extra ones are moved after b_name",
    .line = "line {}: ",
    .rowMessagesCut = "messages about further rows are left out; the counts below cover every row",
    .rowsFailed = "rows that could not be computed (their b is empty): {}, the first on line {}",
    .rowsWarned = "rows computed with a warning: {}",
    .utf16 = "{} is UTF-16 text (Excel's \u201cUnicode text\u201d), not UTF-8. Save it as \u201cCSV UTF-8\u201d, "
             "or convert it: iconv -f UTF-16 -t UTF-8 {} > utf8.csv",
    .semicolons = "the columns of {} are apart by semicolons, as Excel writes CSV under many European "
                  "locales (with decimal commas). Read it with --delimiter ';' --decimal-comma, save it with commas, or "
                  "convert it: sed -e 's/,/./g' -e 's/;/,/g' {} > comma.csv",
    .tabs = "the columns of {} are apart by tabs. Read it with --delimiter tab, save it as CSV, or convert it: "
            "tr '\\t' ',' < {} > comma.csv",
    .gb18030 = "line {} is not UTF-8; it looks like GB18030 (GBK), Chinese Excel's default for CSV. "
               "Read it with --encoding gb18030, save it as \u201cCSV UTF-8\u201d, or convert it: "
               "iconv -f GB18030 -t UTF-8 {} > utf8.csv",
    .notUtf8 = "line {} is not UTF-8 text. Save it as \u201cCSV UTF-8\u201d, or convert it: "
               "iconv -f <its encoding> -t UTF-8 {} > utf8.csv",
    .standardInputName = "standard input",
    .atTemperature = "at {} °C: ",
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
    .csvOption = "含 r1、t1、r2、t2 列（顺序不限）的 CSV 文件（UTF-8，逗号分隔；'-' 为标准输入）；"
                 "在列名行最后一列之后加上 b 与 b_name 两列，写到标准输出（字段少的行以空单元格补齐，"
                 "字段多的行把多出的单元格移到 b_name 之后）",
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
    .footer = "数字以句点为小数点：写 4.7k，不写 4,7k 或电阻标记 4k7。小写 k 表示“千”，\n"
              "所以带 k 的温度会被拒绝：开尔文写作 K。\n"
              "拒绝（退出状态 1）：电阻或 --r25 小于等于 0；温度不高于 0 K；两个温度相同；\n"
              "B 小于等于 0（--beta，或由两组读数算得：NTC 的电阻随温度升高而下降，\n"
              "因此两个电阻相同也拒绝）。\n"
              "警告，但仍输出结果（退出状态 3）：给出或算得的温度超出 -100 °C 至 500 °C；\n"
              "Steinhart-Hart 系数 B 小于等于 0 或 C 小于 0。\n"
              "退出状态：0 成功，1 数值被拒绝或计算失败，2 用法错误或数值无法读取，3 完成但有警告。\n"
              "正确的数值都会输出，有误的数值逐一指明；CSV 批量计算中，被拒绝或无法读取的行\n"
              "保留原有单元格，b 与 b_name 为空，退出状态计入每一行。",
    .namedValue = "{}“{}”",
    .afterName = "：",
    .cutValue = "{}…（共 {} 字节）",
    .expectedResistance = "应为电阻值，例如 10000、10k、4.7M 或 680Ω",
    .expectedTemperature = "应为温度，例如 25、25°C、298.15K 或 77°F",
    .expectedNumber = "应为数字，例如 3435 或 1.5e-7",
    .expectedFormat = "应为 csv、markdown 或 c",
    .beyondRange = "数值超出双精度数的范围",
    .kiloOnTemperature = "温度后的小写 k 表示“千”，不是开尔文；开尔文请写大写 K（如 298.15K）",
    .writeMarking = "请写作 {}（不识别 4k7 这类电阻标记）",
    .windowOrder = "这些值看起来是窗口中的顺序 R1 R2 T1 T2；beta 的顺序是 R1 T1 R2 T2：ntc-beta-cli beta {}",
    .betaNeedsValues = "beta：请给出四个值 R1 T1 R2 T2，或 --csv 文件",
    .steinhartNeedsValues = "steinhart：请给出六个值 R1 T1 R2 T2 R3 T3",
    .temperatureNeedsValues = "temperature：请至少给出一个电阻值",
    .resistanceNeedsValues = "resistance：请至少给出一个温度",
    .modelNeeded = "请给出 B 值模型（--r25 与 --beta）或 --steinhart A B C，二者择一",
    .noRange = "--from、--to 与 --step 构不成表：步长须大于 0，--from 不得大于 --to，最多 100000 行",
    .runHelp = "使用 --help 查看帮助。",
    .errorPrefix = "ntc-beta-cli：",
    .warningPrefix = "ntc-beta-cli：警告：",
    .commandNeeded = "请给出命令：beta、steinhart、table、temperature 或 resistance",
    .unknownCommand = "没有命令“{}”；命令有 beta、steinhart、table、temperature 和 resistance",
    .unexpectedArguments = "无法识别的参数：{}",
    .valueMissing = "{}：选项缺少取值",
    .badOptionValue = "{}：选项的取值无法读取",
    .unreadableCommandLine = "无法读取命令行",
    .resistanceNotPositive = "热敏电阻的阻值应大于 0 Ω",
    .betaNotPositive = "B 值应大于 0 K：NTC 的电阻随温度升高而下降",
    .measuredBNotPositive = "B = {} K，不大于 0：电阻没有随温度升高而下降，而 NTC 的电阻会下降"
                            "（R1 与 R2、或 T1 与 T2 是否颠倒？）",
    .equalResistancesB = "两个电阻相同，B 将为 0 K：NTC 的电阻随温度升高而下降",
    .notFalling = "电阻没有随温度升高而下降（NTC 的电阻应下降）",
    .outsideUse = "{} °C 超出热敏电阻的使用范围（-100 °C 至 500 °C）",
    .shBNotPositive = "Steinhart-Hart 系数 B <= 0：该曲线不像热敏电阻那样下降",
    .cNegative = "C < 0：超出这几点后该曲线不再像热敏电阻",
    .cannotOpen = "无法打开 {}",
    .isFolder = "{} 是文件夹，不是文件",
    .cannotReadNamed = "读取 {} 失败",
    .cannotWrite = "无法写出结果",
    .emptyInput = "{} 为空；应有一行列名，含 r1、t1、r2、t2",
    .headerLacks = "列名行中没有列 {}",
    .rowLacks = "该行没有字段 {}",
    .strayQuote = "第 {} 个字段开头的引号没有在本行结束：按普通字符读取",
    .extraFields = "该行有 {} 个字段，列名行只有 {} 个：多出的字段移到 b_name 之后",
    .line = "第 {} 行：",
    .rowMessagesCut = "其余各行的消息从略；下面的计数包括所有行",
    .rowsFailed = "无法计算的行数（其 b 为空）：{}，第一行为第 {} 行",
    .rowsWarned = "有警告的行数（已计算）：{}",
    .utf16 = "{} 是 UTF-16 文本（Excel 的“Unicode 文本”），不是 UTF-8。请另存为“CSV UTF-8”，"
             "或转换：iconv -f UTF-16 -t UTF-8 {} > utf8.csv",
    .semicolons = "{} 的列以分号分隔（许多欧洲地区的 Excel 这样保存 CSV，并以逗号作小数点）。"
                  "请加 --delimiter ';' --decimal-comma 读取，以逗号分隔保存，或转换：sed -e 's/,/./g' -e 's/;/,/g' {} > comma.csv",
    .tabs = "{} 的列以制表符分隔。请加 --delimiter tab 读取，另存为 CSV，或转换：tr '\\t' ',' < {} > comma.csv",
    .gb18030 = "第 {} 行不是 UTF-8；看起来是 GB18030（GBK），即中文 Excel 保存 CSV 的默认编码。"
               "请加 --encoding gb18030 读取，另存为“CSV UTF-8”，或转换：iconv -f GB18030 -t UTF-8 {} > utf8.csv",
    .notUtf8 = "第 {} 行不是 UTF-8 文本。请另存为“CSV UTF-8”，或转换：iconv -f 原编码 -t UTF-8 {} > utf8.csv",
    .standardInputName = "标准输入",
    .atTemperature = "在 {} °C：",
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

std::string format(std::string_view pattern, std::initializer_list<std::string_view> arguments)
{
    std::string out;
    auto next = arguments.begin();
    for (std::size_t at = pattern.find("{}"); at != std::string_view::npos && next != arguments.end();
         at = pattern.find("{}")) {
        out.append(pattern.substr(0, at)).append(*next++);
        pattern.remove_prefix(at + 2);
    }
    return out.append(pattern);
}

std::string shownValue(const Messages& m, std::string_view text)
{
    std::string shown;
    std::size_t i = 0;
    for (std::size_t characters = 0; i < text.size() && characters < kShownCharacters; ++characters) {
        const std::size_t length = utf8SequenceLength(text, i);
        const auto byte = static_cast<unsigned char>(text[i]);
        if (length == 0 || (length == 1 && (byte < 0x20 || byte == 0x7F))) {
            shown += escaped(byte);
            ++i;
        } else {
            shown.append(text.substr(i, length));
            i += length;
        }
    }
    if (i == text.size()) return shown;
    return format(m.cutValue, {shown, std::to_string(text.size())});
}

std::string named(const Messages& m, std::string_view what, std::string_view text)
{
    return format(m.namedValue, {what, shownValue(m, text)});
}

std::string namedProblem(const Messages& m, std::string_view what, std::string_view text, std::string_view problem)
{
    return named(m, what, text).append(m.afterName).append(problem);
}

std::string_view failureText(const Messages& m, models::ModelFailureKind kind)
{
    return m.failures[static_cast<int>(kind)];
}

} // namespace cli
