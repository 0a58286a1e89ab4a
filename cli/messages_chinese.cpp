// ntc-beta-cli: the message catalogue in Simplified Chinese.
#include "cli/messages_catalogue.h"

namespace cli::catalogue {

const Messages chinese{
    .program = "由两组读数计算 NTC 热敏电阻的 B 值，由三点求 Steinhart-Hart 系数，对数据手册的 R/T 表做拟合，"
               "并由任一模型生成 R/T 表与 ADC 表。",
    .helpFlag = "显示本帮助并退出",
    .versionFlag = "显示版本并退出",
    .optionsGroup = "选项",
    .commandsGroup = "命令",
    .modelGroup = "模型",
    .tableFileGroup = "读取表文件",
    .usageLabel = "用法",
    .optionsLabel = "选项",
    .commandLabel = "命令",
    .positionalsLabel = "参数",
    .requiredLabel = "必填",
    .footer = "数字以句点为小数点：写 4.7k，不写 4,7k 或电阻标记 4k7。小写 k 表示“千”，所以带 k 的温度会被拒绝："
              "开尔文写作 K。\n"
              "拒绝（退出状态 1）：电阻或 R0 小于等于 0；温度不高于 0 K；两个温度相同；B 小于等于 0（给出的、由两组读数"
              "算得的或拟合得到的：NTC 的电阻随温度升高而下降，因此两个电阻相同也拒绝）；R/T 表中同一温度出现两次，"
              "或电阻没有随温度升高而下降，逐行指明行号。\n"
              "警告，但仍输出结果（退出状态 3）：给出或算得的温度超出 {} °C 至 {} °C；B 超出 {} K 至 {} K；"
              "未注单位的温度全以 .15 结尾，像开尔文值；热敏电阻不会有的 Steinhart-Hart 系数；表中某行远离"
              "其余各行所定的曲线。\n"
              "退出状态：0 成功，1 数值被拒绝或计算失败，2 用法错误或数值无法读取，3 完成但有警告。正确的数值都会输出，"
              "有误的数值逐一指明；CSV 批量计算中，被拒绝或无法读取的行保留原有单元格，b 与 b_name 为空，退出状态"
              "计入每一行。",
    .commandFooter = "退出状态：0 成功，1 数值被拒绝或计算失败，2 用法错误，3 完成但有警告。各命令共同的规则见 "
                     "ntc-beta-cli --help",
    .betaCommand = "由 T1 时的 R1 和 T2 时的 R2 计算 B = ln(R1/R2) / (1/T1 - 1/T2)，或对 CSV 文件的每一行计算",
    .betaValues = "R1 T1 R2 T2：电阻（10000、10k、4.7M、680Ω）与温度（25、25°C、298.15K、77°F）",
    .csvOption = "含 r1、t1、r2、t2 列（顺序不限）的 CSV 文件（'-' 为标准输入）；在列名行最后一列之后加上 b 与 "
                 "b_name 两列，写到标准输出（字段少的行以空单元格补齐，字段多的行把多出的单元格移到 b_name 之后，"
                 "含孤立引号的行加引号写回）",
    .kelvinOption = "未注单位的温度为开尔文（默认：°C）",
    .steinhartCommand = "过三点的 Steinhart-Hart 系数 A、B、C（1/T = A + B ln R + C (ln R)^3），以及每两点间的 B 值",
    .steinhartValues = "R1 T1 R2 T2 R3 T3，顺序不限",
    .tableCommand = "由模型生成 R/T 表：每行为温度（°C）、电阻（Ω）与 α（%/K）",
    .fromOption = "起始温度（默认 -40 °C）",
    .toOption = "终止温度（默认 125 °C）",
    .stepOption = "步长，开尔文（默认 5）",
    .tableFormatOption = "输出格式：csv（默认）、markdown 或 c（供固件使用的 C 头文件）",
    .tableNameOption = "数组的 C 标识符（默认 ntc_rt_table）",
    .temperatureCommand = "由模型求各电阻对应的温度",
    .temperatureValues = "电阻（10k、4.7M、680Ω）",
    .resistanceCommand = "由模型求各温度对应的电阻",
    .resistanceValues = "温度（25、25°C、298.15K、77°F）",
    .adcCommand = "分压电路中热敏电阻的 ADC 表：每个温度步长（或每个 ADC 码）给出码值、°C、Ω、电压和每码的 °C，"
                  "按码值排序",
    .pullUpOption = "固定电阻接电源与 ADC 输入，热敏电阻接地",
    .pullDownOption = "固定电阻接 ADC 输入与地，热敏电阻接电源",
    .bitsOption = "ADC 分辨率（位，1 到 16）",
    .fullScaleOption = "ADC 满量程对应的数值：2^N（默认：RepRapFirmware、ESPHome、Marlin 的生成脚本）或 2^N-1"
                       "（Klipper、Marlin 较早的表）",
    .seriesOption = "与热敏电阻串联的电阻",
    .parallelOption = "与热敏电阻（及其串联电阻）并联的电阻",
    .supplyOption = "分压电源电压（V，默认 3.3）",
    .vrefOption = "ADC 参考电压（V，默认等于电源，即比例测量）",
    .everyCountOption = "每个温度在 --from .. --to 之内的 ADC 码各一行",
    .adcFormatOption = "输出：csv（默认）、c（固件用 C 头文件）或 marlin（Marlin 的 temptable，10 位）",
    .adcNameOption = "数组的 C 标识符（默认 ntc_adc_table；marlin 为 temptable_998）",
    .cTypeOption = "C 中的温度：x10（int16_t，°C×10，默认）、x100、int（整数 °C）或 float",
    .fahrenheitOption = "在 °C 旁加一列 °F",
    .fitCommand = "用最小二乘法对 R/T 表（CSV：temperature_c,resistance_ohm，或 T(°C),R(kΩ) 这类数据手册的列名）"
                  "拟合模型，并给出每行的误差（K）；拟合前先逐行检查此表",
    .fitFile = "CSV 文件（“-”为标准输入）；表头之前以 # 开头的行为注释",
    .fitFromOption = "只拟合此温度及以上的行（默认：整个表）",
    .fitToOption = "只拟合此温度及以下的行（默认：整个表）",
    .r25Option = "B 值模型：25 °C 时的电阻",
    .r0Option = "B 值模型：--t0 时的电阻；与 --fit 和 --model beta 同用时，拟合保持此 R0（数据手册的 R25），只拟合 B",
    .t0Option = "R0 对应的温度（默认 25 °C）",
    .betaOption = "B 值模型：B（开尔文）",
    .betaPairOption = "测量 B 值的两个温度（°C）：B25/85 写作 25/85",
    .steinhartOption = "Steinhart-Hart 模型：A B C（四项请用 --steinhart4）",
    .steinhartOrFourOption = "Steinhart-Hart 模型：A B C，或 A B C D（D 为 (ln R)^2 项）",
    .steinhart4Option = "四项 Steinhart-Hart 模型，1/T = A + B ln R + D (ln R)^2 + C (ln R)^3：A B C D，"
                        "即 fit --model steinhart4 输出的四个系数",
    .fitOption = "用 --model 拟合此 R/T 表（CSV）并使用拟合结果",
    .modelOption = "steinhart（默认：1、ln R、(ln R)^3）、steinhart4（加 (ln R)^2）或 beta",
    .delimiterOption = "CSV 读写的字段分隔符：“,”（默认）、“;”或制表符",
    .decimalCommaOption = "读写数字时以逗号为小数点（此时字段以“;”分隔，除非另给 --delimiter）",
    .encodingOption = "所读文件的编码：utf-8（默认）或 gb18030（中文 Excel 的 CSV；批量计算的结果也以此编码写回）",
    .columnOption = "以其他名称读取列：列=名称，例如 temperature_c=温度 或 r1=阻值1（可重复）",
    .namedValue = "{}“{}”",
    .quotedValue = "“{}”",
    .afterName = "：",
    .cutValue = "{}…（共 {} 字节）",
    .listSeparator = "、",
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
    .modelNeeded = "请给出一个模型：--r25 或 --r0（配 --t0）加 --beta；--steinhart A B C；--steinhart4 A B C D；"
                   "或 --fit 文件",
    .fourthCoefficient = "--steinhart 的三个值之后的“{}”看起来是第四个系数，而不是读数：四项曲线请写作 "
                         "--steinhart4 A B C D",
    .r0WithFit = "--r0 与 --fit 同用时保持 B 值拟合的 R0：请同时给出 --model beta",
    .noRange = "--from、--to 与 --step 构不成表：步长须大于 0，--from 不得大于 --to，最多 100000 行",
    .runHelp = "使用 --help 查看帮助。",
    .errorPrefix = "ntc-beta-cli：",
    .warningPrefix = "ntc-beta-cli：警告：",
    .commandNeeded = "请给出命令：{}",
    .unknownCommand = "没有命令“{}”；命令有 {}",
    .unexpectedArguments = "无法识别的参数：{}",
    .valueMissing = "{}：选项缺少取值",
    .badOptionValue = "{}：选项的取值无法读取",
    .unreadableCommandLine = "无法读取命令行",
    .dividerNeeded = "请给出 --pull-up R 或 --pull-down R 之一，以及 --bits N",
    .badDivider = "分压电路数值无效：电阻须大于 0，1 到 16 位，电压须大于 0",
    .expectedPair = "两个温度（°C），例如 25/85",
    .notIdentifier = "C 标识符，例如 ntc_adc_table",
    .badDelimiter = "--delimiter：应为“,”、“;”或制表符",
    .commaClash = "--decimal-comma 需要“,”以外的字段分隔符",
    .badColumn = "应为 列=名称，列为 {} 之一",
    .notGb18030 = "输入不是 GB18030 文本",
    .noRows = "范围内没有 ADC 码",
    .marlinBits = "--format marlin：无论主板的 ADC 是几位，Marlin 的表都用 10 位计数（Marlin 自行换算，"
                  "见 THERMISTOR_TABLE_SCALE）：请给出 --bits 10",
    .resistanceNotPositive = "热敏电阻的阻值应大于 0 Ω",
    .betaNotPositive = "B 值应大于 0 K：NTC 的电阻随温度升高而下降",
    .measuredBNotPositive = "B = {} K，不大于 0：电阻没有随温度升高而下降，而 NTC 的电阻会下降"
                            "（R1 与 R2、或 T1 与 T2 是否颠倒？）",
    .equalResistancesB = "两个电阻相同，B 将为 0 K：NTC 的电阻随温度升高而下降",
    .notFalling = "电阻没有随温度升高而下降（NTC 的电阻应下降）",
    .outsideUse = "{} °C 超出热敏电阻的使用范围（-100 °C 至 500 °C）",
    .shBNotPositive = "Steinhart-Hart 系数 B <= 0：该曲线不像热敏电阻那样下降",
    .cNegative = "C < 0：超出这几点后该曲线不再像热敏电阻",
    .bOutsideNtc = "{} = {} K 超出 {} K 至 {} K，即 NTC 热敏电阻 B 值所在的范围：请检查数值、顺序与单位",
    .readAsCelsius = "{}：未注单位，按 °C 读取，却像开尔文值那样以 .15 结尾；若为开尔文，请加 --kelvin 或写明单位"
                     "（298.15K）",
    .cannotOpen = "无法打开 {}",
    .isFolder = "{} 是文件夹，不是文件",
    .cannotReadNamed = "读取 {} 失败",
    .cannotWrite = "无法写出结果",
    .emptyInput = "{} 为空；应有一行列名，含 {}",
    .emptyTable = "表中没有数据行",
    .headerLacks = "列名行中没有列 {}",
    .tableHeaderLacks = "表头中没有列 {}（也没有 {} 这类列）；表头为 {}：请用 --column {}=名称 指明此列",
    .unknownColumnUnit = "列 {} 注明的单位无法识别；应为 {}",
    .rowLacks = "该行没有字段 {}",
    .scaledCell = "列 {} 已注明单位：单元格中只写数字",
    .strayQuote = "第 {} 个字段开头的引号没有在本行结束：按普通字符读取",
    .extraFields = "该行有 {} 个字段，列名行只有 {} 个：多出的字段移到 b_name 之后",
    .line = "第 {} 行：",
    .rowMessagesCut = "其余各行的消息从略；下面的计数包括所有行",
    .rowsFailed = "无法计算的行数（其 b 为空）：{}，第一行为第 {} 行",
    .rowsWarned = "有警告的行数（已计算）：{}",
    .utf16 = "{} 是 UTF-16 文本（Excel 的“Unicode 文本”），不是 UTF-8。请另存为“CSV UTF-8”，"
             "或转换：iconv -f UTF-16 -t UTF-8 {} > utf8.csv",
    .semicolons = "{} 的列以分号分隔（许多欧洲地区的 Excel 这样保存 CSV，并以逗号作小数点）。请加 --delimiter ';' "
                  "--decimal-comma 读取，以逗号分隔保存，或转换：sed -e 's/,/./g' -e 's/;/,/g' {} > comma.csv",
    .tabs = "{} 的列以制表符分隔。请加 --delimiter tab 读取，另存为 CSV，或转换：tr '\\t' ',' < {} > comma.csv",
    .gb18030 = "第 {} 行不是 UTF-8；看起来是 GB18030（GBK），即中文 Excel 保存 CSV 的默认编码。"
               "请加 --encoding gb18030 读取，另存为“CSV UTF-8”，或转换：iconv -f GB18030 -t UTF-8 {} > utf8.csv",
    .notUtf8 = "第 {} 行不是 UTF-8 文本。请另存为“CSV UTF-8”，或转换：iconv -f 原编码 -t UTF-8 {} > utf8.csv",
    .standardInputName = "标准输入",
    .atTemperature = "在 {} °C：",
    .tableRowsRefused = "被拒绝的行（消息从略）：{} 行，第一行为第 {} 行",
    .tableRepeated = "第 {} 行与第 {} 行都给出 {} °C（{} Ω 与 {} Ω）：同一温度写了两次，还是漏了负号？",
    .tableNotFalling = "第 {} 行：电阻从 {} Ω（{} °C，第 {} 行）升到 {} Ω（{} °C，第 {} 行），而 NTC 的电阻"
                       "应随温度升高而下降",
    .tableRising = "电阻随温度升高而上升，从 {} Ω（{} °C，第 {} 行）到 {} Ω（{} °C，第 {} 行）：这是 PTC 热敏电阻，"
                   "还是两列颠倒了？这些模型只适用于 NTC",
    .tableTooFew = "表中只有 {} 个不同的温度；--model {} 至少需要 {} 个",
    .tableTooFewWithin = "--from 与 --to 之内只有表中 {} 个不同的温度；--model {} 至少需要 {} 个",
    .tableMoreFaults = "另有 {} 行情况相同",
    .tableOutlier = "第 {} 行：{} Ω（{} °C）偏离其余各行所定的曲线 {} K，而一般的行只偏离 {} K：此行是否有误？",
    .tableKelvin = "列 {} 的温度全以 .15 结尾（{} 至 {}），像开尔文值，却按 °C 读取：请加 --kelvin 读取，"
                   "或把列名改为 temperature_k",
    .fitBNotPositive = "B 值拟合得到 B = {} K，不大于 0：电阻没有随温度升高而下降",
    .fitTurnsBack = "拟合曲线在表内折返，同一电阻对应两个温度，因此不据此生成表：请减少项数（--model steinhart）"
                    "或检查数据",
    .notMonotonic = "拟合曲线在表内折返，同一电阻对应两个温度；请减少项数或检查数据",
    .betaFitWorse = "B 值模型在此表上的最大误差为 {} K",
    .steinhartFitBetter = "三项 Steinhart-Hart 拟合（--model steinhart）的最大误差为 {} K",
    .mergedRows = "部分温度落在已有行的 ADC 码上（步长细于此处 ADC 的分辨率），保留最接近码中心的一行，略去 {} 行："
                  "{} °C",
    .railRows = "部分温度落在 ADC 的两端（0 或满量程），此时读数无法与开路或短路区分，略去 {} 行：{} °C",
    .betaReach = "范围超出 B 值模型的锚定温度（T0 及 B 值的两个温度）{} K；数据手册的 B 值模型在其外 20 K 处偏差 "
                 "0.5-0.9 K，在 -40 °C 偏差 3-4 K。请改为拟合数据手册的表（fit、--fit）",
    .beyondFit = "范围超出拟合所用的表（{} °C 至 {} °C），表外各行为外推",
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

} // namespace cli::catalogue
