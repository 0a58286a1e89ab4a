// ntc-beta-cli: the texts of the firmware commands (adc, fit) and the spreadsheet options, in English and Simplified Chinese.
#include "cli/firmware_messages.h"

namespace cli {

namespace {

const FirmwareMessages kEnglish{
    .adcCommand = "ADC table for a thermistor in a divider: per temperature step (or per ADC code) the count, "
                  "°C, Ω, volts and °C per count, sorted by count",
    .fitCommand = "Least-squares fit of a model through an R/T table (CSV: temperature_c,resistance_ohm), "
                  "with each point's error in kelvin",
    .fitFile = "CSV file ('-' for standard input); lines starting with # before the header are notes",
    .pullUpOption = "Fixed resistor from the supply to the ADC input, thermistor to ground",
    .pullDownOption = "Fixed resistor from the ADC input to ground, thermistor to the supply",
    .bitsOption = "ADC resolution in bits (1 to 16)",
    .seriesOption = "Resistor in series with the thermistor",
    .parallelOption = "Resistor across the thermistor (and its series resistor)",
    .supplyOption = "Divider supply in volts (default 3.3)",
    .vrefOption = "ADC reference in volts (default: the supply, ratiometric)",
    .r0Option = "Beta model: the resistance at --t0",
    .t0Option = "Where R0 holds (default 25 °C)",
    .betaPairOption = "The two temperatures in °C the B was measured between: 25/85 for B25/85",
    .steinhartOption = "Steinhart-Hart model: A B C, or A B C D with D for the (ln R)^2 term",
    .fitOption = "Fit --model through this R/T table (CSV) and use the fit",
    .modelOption = "steinhart (default: 1, ln R, (ln R)^3), steinhart4 (adds (ln R)^2) or beta",
    .everyCountOption = "One row per ADC code whose temperature lies within --from .. --to",
    .formatOption = "Output: csv (default), c (an array for firmware) or marlin (Marlin's temptable, 10 bits)",
    .nameOption = "C identifier of the array (default ntc_adc_table; temptable_998 for marlin)",
    .cTypeOption = "Temperatures in C: x10 (int16_t, °C x 10; default), x100, int (whole °C) or float",
    .fahrenheitOption = "A °F column beside the °C one",
    .delimiterOption = "CSV field separator, read and written: ',' (default), ';' or tab",
    .decimalCommaOption = "Numbers with a decimal comma, read and written (fields apart by ';' unless --delimiter)",
    .encodingOption = "Encoding of the file read: utf-8 (default) or gb18030 (Chinese Excel's CSV)",
    .columnOption = "A column under another name: COLUMN=NAME, e.g. temperature_c=Temp or r1=R25 (repeatable)",
    .dividerNeeded = "give one of --pull-up R or --pull-down R, and --bits N",
    .badDivider = "the divider makes no circuit: resistors above 0, 1 to 16 bits, voltages above 0",
    .modelNeeded = "give one model: --r25 or --r0 (with --t0) and --beta, --steinhart A B C [D], or --fit FILE",
    .expectedPair = "two temperatures in °C such as 25/85",
    .notIdentifier = "a C identifier such as ntc_adc_table",
    .badDelimiter = "--delimiter: expected ',', ';' or tab",
    .commaClash = "--decimal-comma needs a field separator other than ','",
    .badColumn = "expected COLUMN=NAME, COLUMN one of {}",
    .notGb18030 = "the input is not GB18030 text",
    .headerLacks = "the table's header names no column ",
    .emptyTable = "the table holds no rows",
    .tooFewPoints = "too few distinct temperatures for this model; it needs at least ",
    .noRows = "no ADC code falls within the range",
    .marlinBits = "--format marlin: Marlin's tables hold 10-bit counts (--bits 10)",
    .mergedRows = "temperatures fell on an ADC code another row holds (the step is finer than the ADC resolves "
                  "there); the one nearest the code's centre is kept: ",
    .railRows = "temperatures fall on the ADC's rails (0 or full scale), where a reading cannot be told from an "
                "open or shorted sensor, and are left out: ",
    .betaReach = "the range reaches beyond the temperatures the beta model is anchored at (T0 and its B's pair); "
                 "datasheet beta models are 0.5-0.9 K off 20 K beyond them and 3-4 K at -40 °C. Fit the "
                 "datasheet's table (fit, --fit) instead. Kelvin beyond: ",
    .betaFitWorse = "the beta model errs up to this many kelvin over the table: ",
    .steinhartFitBetter = "a three-term Steinhart-Hart fit (--model steinhart) errs: ",
    .notMonotonic = "the fitted curve turns back within the table and gives two temperatures for one resistance; "
                    "use fewer terms or check the data",
    .beyondFit = "the range goes beyond the fitted table; rows outside it are extrapolated. Table in °C: ",
};

const FirmwareMessages kChinese{
    .adcCommand = "分压电路中热敏电阻的 ADC 表：每个温度步长（或每个 ADC 码）给出码值、°C、Ω、电压和每码的 °C，按码值排序",
    .fitCommand = "用最小二乘法对 R/T 表（CSV：temperature_c,resistance_ohm）拟合模型，并给出每点的误差（K）",
    .fitFile = "CSV 文件（“-”为标准输入）；表头之前以 # 开头的行为注释",
    .pullUpOption = "固定电阻接电源与 ADC 输入，热敏电阻接地",
    .pullDownOption = "固定电阻接 ADC 输入与地，热敏电阻接电源",
    .bitsOption = "ADC 分辨率（位，1 到 16）",
    .seriesOption = "与热敏电阻串联的电阻",
    .parallelOption = "与热敏电阻（及其串联电阻）并联的电阻",
    .supplyOption = "分压电源电压（V，默认 3.3）",
    .vrefOption = "ADC 参考电压（V，默认等于电源，即比例测量）",
    .r0Option = "B 值模型：--t0 时的电阻",
    .t0Option = "R0 对应的温度（默认 25 °C）",
    .betaPairOption = "测量 B 值的两个温度（°C）：B25/85 写作 25/85",
    .steinhartOption = "Steinhart-Hart 模型：A B C，或 A B C D（D 为 (ln R)^2 项）",
    .fitOption = "用 --model 拟合此 R/T 表（CSV）并使用拟合结果",
    .modelOption = "steinhart（默认：1、ln R、(ln R)^3）、steinhart4（加 (ln R)^2）或 beta",
    .everyCountOption = "每个温度在 --from .. --to 之内的 ADC 码各一行",
    .formatOption = "输出：csv（默认）、c（固件用数组）或 marlin（Marlin 的 temptable，10 位）",
    .nameOption = "数组的 C 标识符（默认 ntc_adc_table；marlin 为 temptable_998）",
    .cTypeOption = "C 中的温度：x10（int16_t，°C×10，默认）、x100、int（整数 °C）或 float",
    .fahrenheitOption = "在 °C 旁加一列 °F",
    .delimiterOption = "CSV 读写的字段分隔符：“,”（默认）、“;”或制表符",
    .decimalCommaOption = "读写数字时以逗号为小数点（此时字段以“;”分隔，除非另给 --delimiter）",
    .encodingOption = "所读文件的编码：utf-8（默认）或 gb18030（中文 Excel 的 CSV）",
    .columnOption = "以其他名称读取列：列=名称，例如 temperature_c=温度 或 r1=阻值1（可重复）",
    .dividerNeeded = "请给出 --pull-up R 或 --pull-down R 之一，以及 --bits N",
    .badDivider = "分压电路数值无效：电阻须大于 0，1 到 16 位，电压须大于 0",
    .modelNeeded = "请给出一个模型：--r25 或 --r0（配 --t0）加 --beta，--steinhart A B C [D]，或 --fit 文件",
    .expectedPair = "两个温度（°C），例如 25/85",
    .notIdentifier = "C 标识符，例如 ntc_adc_table",
    .badDelimiter = "--delimiter：应为“,”、“;”或制表符",
    .commaClash = "--decimal-comma 需要“,”以外的字段分隔符",
    .badColumn = "应为 列=名称，列为 {} 之一",
    .notGb18030 = "输入不是 GB18030 文本",
    .headerLacks = "表头中没有此列：",
    .emptyTable = "表中没有数据行",
    .tooFewPoints = "不同温度的点数太少，此模型至少需要 ",
    .noRows = "范围内没有 ADC 码",
    .marlinBits = "--format marlin：Marlin 的表使用 10 位计数（--bits 10）",
    .mergedRows = "部分温度落在已有行的 ADC 码上（步长细于此处 ADC 的分辨率），保留最接近码中心的一行，个数：",
    .railRows = "部分温度落在 ADC 的两端（0 或满量程），此时读数无法与开路或短路区分，已略去，个数：",
    .betaReach = "范围超出 B 值模型的锚定温度（T0 及 B 值的两个温度）；数据手册的 B 值模型在其外 20 K 处偏差 0.5-0.9 K，"
                 "在 -40 °C 偏差 3-4 K。请改为拟合数据手册的表（fit、--fit）。超出的开尔文数：",
    .betaFitWorse = "B 值模型在此表上的最大误差（K）：",
    .steinhartFitBetter = "三项 Steinhart-Hart 拟合（--model steinhart）的最大误差（K）：",
    .notMonotonic = "拟合曲线在表内折返，同一电阻对应两个温度；请减少项数或检查数据",
    .beyondFit = "范围超出拟合所用的表，表外各行为外推。表的范围（°C）：",
};

} // namespace

const FirmwareMessages& firmwareMessages(const Messages& m)
{
    return &m == &messages(Language::chinese) ? kChinese : kEnglish;
}

} // namespace cli
