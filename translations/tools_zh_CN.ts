<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>The option %1 needs a value.</source>
        <translation>选项 %1 需要一个值。</translation>
    </message>
    <message>
        <source>--lang takes en or zh, not &quot;%1&quot;.</source>
        <translation>--lang 只接受 en 或 zh，不接受“%1”。</translation>
    </message>
    <message>
        <source>--radio-version takes 1 or 2, not &quot;%1&quot;.</source>
        <translation>--radio-version 只接受 1 或 2，不接受“%1”。</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>未知选项 %1。</translation>
    </message>
    <message>
        <source>The ports are COM1 to COM8; give the device path of any other port.</source>
        <translation>端口为 COM1 至 COM8；其他端口请给出设备路径。</translation>
    </message>
    <message>
        <source>The port is empty; give COM1 to COM8 or a device path.</source>
        <translation>端口为空；请给出 COM1 至 COM8 或设备路径。</translation>
    </message>
    <message>
        <source>Run &quot;qv3n-cli --help&quot; for help.</source>
        <translation>运行“qv3n-cli --help”查看帮助。</translation>
    </message>
    <message>
        <source>No channel is in use.</source>
        <translation>没有使用中的信道。</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>（空）</translation>
    </message>
    <message>
        <source>RX %1, TX %2; the range is %3.</source>
        <translation>接收 %1，发射 %2；频率范围为 %3。</translation>
    </message>
    <message>
        <source>Priority channel %1 is not in use: a write sets the priority channel to none.</source>
        <translation>优先信道 %1 未使用：写入时优先信道将设为无。</translation>
    </message>
    <message>
        <source>No channel is in use: a write sets the start channel to none (the file holds %1).</source>
        <translation>没有使用中的信道：写入时起始信道将设为无（文件中为 %1）。</translation>
    </message>
    <message>
        <source>A write makes channel %1, the first channel in use, the start channel (the file holds %2).</source>
        <translation>写入时第一个使用中的信道 %1 将成为起始信道（文件中为 %2）。</translation>
    </message>
    <message>
        <source>A write would be refused.</source>
        <translation>写入将被拒绝。</translation>
    </message>
    <message>
        <source>A write would go ahead.</source>
        <translation>可以写入。</translation>
    </message>
    <message>
        <source>The radio&apos;s memory format is not version %1, the format this file is taken to be in (see --radio-version). Nothing was written.</source>
        <translation>对讲机的存储格式不是本文件所按的版本 %1（见 --radio-version）。没有写入任何数据。</translation>
    </message>
    <message>
        <source>Nothing was written to the radio.</source>
        <translation>没有向对讲机写入任何数据。</translation>
    </message>
    <message>
        <source>Run &quot;qv3n-cli help %1&quot; for help.</source>
        <translation>运行“qv3n-cli help %1”查看帮助。</translation>
    </message>
    <message>
        <source>The operand %1 is missing.</source>
        <translation>缺少参数 %1。</translation>
    </message>
    <message>
        <source>Unexpected operand &quot;%1&quot;.</source>
        <translation>多余的参数“%1”。</translation>
    </message>
    <message>
        <source>read needs the file to write: -o FILE.chann</source>
        <translation>read 需要指定要写入的文件：-o FILE.chann</translation>
    </message>
    <message>
        <source>read takes the memory format from the radio; --radio-version is for write, show and check.</source>
        <translation>read 从对讲机获取存储格式；--radio-version 用于 write、show 和 check。</translation>
    </message>
    <message>
        <source>The radio uses memory format %1: show, check and write this file with --radio-version %2.</source>
        <translation>该对讲机使用存储格式 %1：对本文件执行 show、check 和 write 时请加 --radio-version %2。</translation>
    </message>
    <message>
        <source>write takes no -o; give the port and the file.</source>
        <translation>write 不接受 -o；请给出端口和文件。</translation>
    </message>
    <message>
        <source>%1 takes no -o; it prints to standard output.</source>
        <translation>%1 不接受 -o；结果输出到标准输出。</translation>
    </message>
    <message>
        <source>help takes at most one verb.</source>
        <translation>help 最多接受一个命令。</translation>
    </message>
    <message>
        <source>The CSV file %1 could not be written: %2
A file of that name already on disk is left as it was.</source>
        <translation>CSV 文件 %1 无法写入：%2
磁盘上已有的同名文件保持原样。</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>拒绝：%1</translation>
    </message>
    <message>
        <source>adjusted: %1</source>
        <translation>已调整：%1</translation>
    </message>
    <message>
        <source>export needs the CSV file to write: -o OUT.csv</source>
        <translation>export 需要指定要写入的 CSV 文件：-o 输出.csv</translation>
    </message>
    <message>
        <source>Channels in use written to %1: %2.</source>
        <translation>已写入 %1 的在用信道：%2 个。</translation>
    </message>
    <message>
        <source>import needs the channel file to write: -o OUT.chann</source>
        <translation>import 需要指定要写入的信道参数文件：-o 输出.chann</translation>
    </message>
    <message>
        <source>%1 of %2 rows refused; nothing was written. Correct them, or leave them out with --skip-bad.</source>
        <translation>%2 行中有 %1 行被拒绝，未写入任何内容。请改正这些行，或用 --skip-bad 略去它们。</translation>
    </message>
    <message>
        <source>Channels imported into %1: %2; rows left out: %3.</source>
        <translation>已导入 %1 的信道：%2 个；略去的行：%3 行。</translation>
    </message>
    <message>
        <source>%1 and %2 hold the same.</source>
        <translation>%1 与 %2 的内容相同。</translation>
    </message>
    <message>
        <source>--paper takes a4 or letter, not &quot;%1&quot;.</source>
        <translation>--paper 只接受 a4 或 letter，而不是“%1”。</translation>
    </message>
    <message>
        <source>print needs the PDF file to write: -o FILE.pdf</source>
        <translation>print 需要指定要写入的 PDF 文件：-o 文件.pdf</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written: %2</source>
        <translation>无法写入 PDF 文件 %1：%2</translation>
    </message>
    <message>
        <source>The channel list is in %1.</source>
        <translation>信道列表已写入 %1。</translation>
    </message>
    <message>
        <source>--paper is for print only.</source>
        <translation>--paper 只用于 print。</translation>
    </message>
    <message>
        <source>The option %1 takes no value.</source>
        <translation>选项 %1 不带值。</translation>
    </message>
    <message>
        <source>Standard output cannot be written: %1</source>
        <translation>无法写入标准输出：%1</translation>
    </message>
    <message>
        <source>The radio&apos;s memory was backed up to %1</source>
        <translation>对讲机原有数据已备份到 %1</translation>
    </message>
    <message>
        <source>The link trace could not be saved to %1: %2</source>
        <translation>通讯记录无法保存到 %1：%2</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>无法创建该文件夹</translation>
    </message>
    <message>
        <source>The backup folder %1 cannot be written: %2</source>
        <translation>备份文件夹 %1 无法写入：%2</translation>
    </message>
    <message>
        <source>The radio&apos;s memory format is version %1, not version %2 (see --radio-version); the two cannot be compared.</source>
        <translation>对讲机的存储格式是版本 %1，不是版本 %2（见 --radio-version），无法比较。</translation>
    </message>
    <message>
        <source>--trace belongs to read, write and diff, which reach a radio.</source>
        <translation>--trace 属于 read、write 和 diff，它们与对讲机通讯。</translation>
    </message>
    <message>
        <source>No font that covers Chinese is installed, so the list cannot be printed in Chinese. Install %1 (or print in English).</source>
        <translation>没有安装能显示中文的字体，无法用中文打印信道列表。请安装 %1（或用英文打印）。</translation>
    </message>
    <message>
        <source>convert needs the file to write: -o OUT.yaml or -o OUT.chann</source>
        <translation>convert 需要指定要写入的文件：-o 输出.yaml 或 -o 输出.chann</translation>
    </message>
    <message>
        <source>%1 is written.</source>
        <translation>已写入 %1。</translation>
    </message>
    <message>
        <source>It is in memory format %1: show, check and write it with --radio-version %1.</source>
        <translation>该文件为存储格式 %1：对它执行 show、check 和 write 时请加 --radio-version %1。</translation>
    </message>
    <message>
        <source>Usage: qv3n-cli convert IN -o OUT [--base FILE] [--radio-version 1|2] [--quiet]
                        [--lang en|zh]

Converts between a channel file (.chann) and a radio text (.yaml), each kind
told by its suffix. The radio text holds the whole radio as readable text:
the channels in use, the optional features, the frequency mode, the range,
the FM presets and, in hex, every other byte, so that a channel file turned
into text and back is the same to the byte. A radio text that cannot be read
is refused whole, with the line and column of every problem (exit status 3).

  -o, --output F      the file to write: OUT.yaml or OUT.chann
  --base F            the channel file or radio text that gives what a radio
                      text leaves out (default: the program&apos;s default image)
  --radio-version N   the memory format of a channel file: 2 (the default) or 1;
                      a radio text states its own
  -q, --quiet         no completion message, only errors
</source>
        <translation>用法：qv3n-cli convert 输入 -o 输出 [--base 文件] [--radio-version 1|2] [--quiet]
                        [--lang en|zh]

在信道参数文件（.chann）与对讲机文本（.yaml）之间转换，文件类型由后缀区分。
对讲机文本以可读的文字保存整台对讲机：使用中的信道、可选参数、频率模式、
工作频率范围、收音机频道，以及以十六进制表示的其余每个字节，因此信道参数
文件转成文本再转回来，逐字节相同。无法读取的对讲机文本会被整个拒绝，并列出
每个问题所在的行和列（退出状态 3）。

  -o, --output F      要写入的文件：输出.yaml 或 输出.chann
  --base F            为对讲机文本提供其省略内容的信道参数文件或对讲机文本
                      （默认：程序的默认数据）
  --radio-version N   信道参数文件的存储格式：2（默认）或 1；对讲机文本自带
                      其存储格式
  -q, --quiet         不显示完成信息，只显示错误
</translation>
    </message>
    <message>
        <source>%1 is in memory format %2 and %3 in memory format %4; the two cannot be compared.</source>
        <translation>%1 为存储格式 %2，%3 为存储格式 %4；两者无法比较。</translation>
    </message>
    <message>
        <source>Usage: qv3n-cli export FILE -o OUT.csv [--base F] [--radio-version 1|2] [--quiet]
                       [--lang en|zh]

Writes the channels in use of a channel file (FILE.chann) or a radio text
(FILE.yaml) as a spreadsheet CSV (UTF-8, one row per channel) in the column
layout of common radio programming tools, as File &gt; Export CSV does in the
program.

  -o, --output F      the CSV file to write
  --base F            what a radio text leaves out (default: the program&apos;s
                      default image)
  --radio-version N   the memory format of a channel file: 2 (the default) or
                      1; a radio text states its own
</source>
        <translation>用法：qv3n-cli export 文件 -o 输出.csv [--base F] [--radio-version 1|2] [--quiet]
                       [--lang en|zh]

把信道参数文件（文件.chann）或对讲机文本（文件.yaml）中的在用信道写成电子
表格 CSV 文件（UTF-8，每个信道一行），列的格式与常见的对讲机编程工具相同，
与程序中的 文件 &gt; 导出 CSV 一样。

  -o, --output F      要写入的 CSV 文件
  --base F            对讲机文本省略的内容取自该文件（默认：程序的默认数据）
  --radio-version N   信道参数文件的存储格式：2（默认）或 1；对讲机文本自带
                      其存储格式
</translation>
    </message>
    <message>
        <source>Usage: qv3n-cli diff A B [--trace FILE] [--base F] [--radio-version 1|2] [--quiet]
                     [--lang en|zh]

Lists what differs from A to B, one line each: every channel with each field
that differs (channels in use in one only as added or removed), every optional
feature, the frequency mode, the range, every FM preset, and any other byte.
A and B are channel files or radio texts (.yaml), or ports (COM1 to COM8, or a
device path): a radio there is read, and what it holds is compared. Exits with
0 when they hold the same, 5 when they differ.

  --trace FILE        write every byte exchanged with a radio, with times, to FILE
  --base F            what a radio text leaves out (default: the program&apos;s
                      default image)
  --radio-version N   the memory format of the channel files and the radio: 2
                      (the default) or 1; a radio text states its own
  -q, --quiet         nothing on standard error when they hold the same
</source>
        <translation>用法：qv3n-cli diff A B [--trace 文件] [--base F] [--radio-version 1|2] [--quiet]
                     [--lang en|zh]

逐行列出从 A 到 B 的差别：每个有差别的信道及其不同的各项（只在一边使用的
信道显示为新增或删除）、每项可选参数、频率模式、工作频率范围、每个收音机
频道，以及其他任何不同的字节。A 和 B 是信道参数文件或对讲机文本（.yaml），
或端口（COM1 至 COM8，或设备路径）：端口上的对讲机被读出，比较的是它的内容。
内容相同时退出状态为 0，不同时为 5。

  --trace 文件        把与对讲机通讯的每个字节连同时间记入该文件
  --base F            对讲机文本省略的内容取自该文件（默认：程序的默认数据）
  --radio-version N   信道参数文件和对讲机的存储格式：2（默认）或 1；对讲机
                      文本自带其存储格式
  -q, --quiet         内容相同时不在标准错误输出上显示信息
</translation>
    </message>
    <message>
        <source>Usage: qv3n-cli read PORT -o FILE.chann [--trace FILE] [--quiet] [--lang en|zh]

Reads the radio&apos;s memory into a channel file, as Program &gt; Read from radio and
File &gt; Save do in the program: blocks 0 to 253 come from the radio, blocks 254
and 255 hold the program&apos;s defaults. The file is replaced only once it has been
written in full.

  PORT             COM1 to COM8, or a device path such as /dev/ttyUSB0
  -o, --output F   the channel file to write, or a radio text (FILE.yaml)
  --trace FILE     write every byte sent and received, with times, to FILE
  -q, --quiet      no progress and no completion messages, only errors
</source>
        <translation>用法：qv3n-cli read 端口 -o 文件.chann [--trace 文件] [--quiet] [--lang en|zh]

把对讲机的存储器读入信道参数文件，与程序中的“编程 → 从对讲机读取数据”加
“文件 → 保存”相同：数据块 0 至 253 来自对讲机，数据块 254 和 255 为程序的
默认值。文件完整写好后才替换原文件。

  端口             COM1 至 COM8，或设备路径，例如 /dev/ttyUSB0
  -o, --output F   要写入的信道参数文件，或对讲机文本（文件.yaml）
  --trace 文件     把收发的每个字节连同时间写入该文件
  -q, --quiet      不显示进度和完成信息，只显示错误
</translation>
    </message>
    <message>
        <source>Usage: qv3n-cli write PORT FILE [--verify] [--backup DIR] [--trace FILE]
                      [--base F] [--radio-version 1|2] [--quiet] [--lang en|zh]

Writes a channel file (FILE.chann) or a radio text (FILE.yaml) to the radio,
as Program &gt; Write to radio does in the program: the priority and start
channels are adjusted, the frequency mode and every channel must lie within
the file&apos;s frequency range, and the radio must use the file&apos;s memory format.
Otherwise nothing is written.

  PORT                COM1 to COM8, or a device path such as /dev/ttyUSB0
  --verify            read the radio back afterwards and compare blocks 0 to 253
                      with what was sent; exit 1 naming each block that differs
  --backup DIR        first read the radio into a new channel file in DIR
  --trace FILE        write every byte sent and received, with times, to FILE
  --base F            what a radio text leaves out (default: the program&apos;s
                      default image)
  --radio-version N   the memory format of a channel file: 2 (the default) or
                      1; a radio text states its own
  -q, --quiet         no progress and no completion messages, only errors
</source>
        <translation>用法：qv3n-cli write 端口 文件 [--verify] [--backup 文件夹] [--trace 文件]
                      [--base F] [--radio-version 1|2] [--quiet] [--lang en|zh]

把信道参数文件（文件.chann）或对讲机文本（文件.yaml）写入对讲机，与程序中的
“编程 → 向对讲机写入数据”相同：先调整优先信道和起始信道；频率模式和每个信道
都必须在文件的工作频率范围之内，且对讲机必须使用文件的存储格式。否则不写入
任何数据。

  端口                COM1 至 COM8，或设备路径，例如 /dev/ttyUSB0
  --verify            写入后读回对讲机，与写入的数据块 0 至 253 比较；
                      有不同时退出状态为 1，并列出每个不同的数据块
  --backup 文件夹     写入前先把对讲机读入该文件夹中的新信道参数文件
  --trace 文件        把收发的每个字节连同时间写入该文件
  --base F            对讲机文本省略的内容取自该文件（默认：程序的默认数据）
  --radio-version N   信道参数文件的存储格式：2（默认）或 1；对讲机文本自带
                      其存储格式
  -q, --quiet         不显示进度和完成信息，只显示错误
</translation>
    </message>
    <message>
        <source>Usage: qv3n-cli show FILE [--base F] [--radio-version 1|2] [--lang en|zh]

Prints what a channel file (FILE.chann) or a radio text (FILE.yaml) holds: the
channels in use as the channel table shows them, the frequency mode, the
frequency range, the optional features and the FM presets.

  --base F            what a radio text leaves out (default: the program&apos;s
                      default image)
  --radio-version N   the memory format of a channel file: 2 (the default) or
                      1; it sets the step of the frequencies (a radio text
                      states its own)
</source>
        <translation>用法：qv3n-cli show 文件 [--base F] [--radio-version 1|2] [--lang en|zh]

显示信道参数文件（文件.chann）或对讲机文本（文件.yaml）的内容：按信道表的
样式列出使用中的信道，以及频率模式、工作频率范围、可选参数和收音机频道。

  --base F            对讲机文本省略的内容取自该文件（默认：程序的默认数据）
  --radio-version N   信道参数文件的存储格式：2（默认）或 1；它决定频率的
                      步进（对讲机文本自带其存储格式）
</translation>
    </message>
    <message>
        <source>Usage: qv3n-cli print FILE -o FILE.pdf [--paper a4|letter] [--base F]
                      [--radio-version 1|2] [--quiet] [--lang en|zh]

Writes the channel list of a channel file (FILE.chann) or a radio text
(FILE.yaml) as a PDF file, as File &gt; Export PDF does in the program: the
channels in use as the channel table shows them, the frequency mode, the
frequency range, the optional features and the FM presets, titled with the
file&apos;s name and the date, in the language of --lang.

  -o, --output F      the PDF file to write
  --paper P           a4 or letter (default: letter where the system&apos;s locale
                      measures in US units, a4 elsewhere)
  --base F            what a radio text leaves out (default: the program&apos;s
                      default image)
  --radio-version N   the memory format of a channel file: 2 (the default) or
                      1; a radio text states its own
  -q, --quiet         no completion message, only errors
</source>
        <translation>用法：qv3n-cli print 文件 -o 文件.pdf [--paper a4|letter] [--base F]
                      [--radio-version 1|2] [--quiet] [--lang en|zh]

把信道参数文件（文件.chann）或对讲机文本（文件.yaml）的信道列表写成 PDF 文件，
与程序中的 文件 &gt; 导出 PDF 相同：按信道表的显示列出使用中的信道，以及频率
模式、工作频率范围、可选参数和收音机频道，标题为文件名和日期，语言由 --lang
决定。

  -o, --output F      要写入的 PDF 文件
  --paper P           a4 或 letter（默认：系统区域使用美国单位时为 letter，
                      否则为 a4）
  --base F            对讲机文本省略的内容取自该文件（默认：程序的默认数据）
  --radio-version N   信道参数文件的存储格式：2（默认）或 1；对讲机文本自带
                      其存储格式
  -q, --quiet         不显示完成信息，只显示错误
</translation>
    </message>
    <message>
        <source>--into takes empty or from:N with N from 1 to 128, not &quot;%1&quot;.</source>
        <translation>--into 只接受 empty 或 from:N（N 为 1 至 128），而不是“%1”。</translation>
    </message>
    <message>
        <source>Usage: qv3n-cli import IN.csv -o OUT.chann [--base FILE] [--into empty|from:N]
                      [--skip-bad] [--radio-version 1|2] [--quiet] [--lang en|zh]

Makes a channel file (or, with -o OUT.yaml, a radio text) from a CSV channel
list: the rows give all 128 channels by their locations (a channel no row
gives is unused); everything else comes from the base file. When the
locations are no channel numbers (they start at 0, run past 128 or repeat),
the rows go in file order from channel 1, and that is said. With --into, the
rows go in file order into the base file&apos;s channels instead, and the other
channels stay as they are. Every row the radio cannot hold is listed with its
line and reason (the first 100 problems, then their number), and then nothing
is written (exit status 4) unless --skip-bad is given. Names are upper-cased
and cut to five characters, a power in watts becomes Low up to 1 W and High
above; that is listed too.

  -o, --output F      the channel file to write
  --base F            the channel file or radio text the settings, the
                      frequency mode, the range and the FM presets come from
                      (default: the program&apos;s default image); its range
                      bounds the rows
  --into empty        put the rows into the base&apos;s unused channels, from
                      channel 1 on
  --into from:N       put the rows into channels N, N+1, ... over what the
                      base holds there
  --skip-bad          write the file without the refused rows
  --radio-version N   the memory format to write: 2 (the default) or 1
  -q, --quiet         list only the refused rows
</source>
        <translation>用法：qv3n-cli import 输入.csv -o 输出.chann [--base 文件] [--into empty|from:N]
                      [--skip-bad] [--radio-version 1|2] [--quiet] [--lang en|zh]

由 CSV 信道列表生成信道参数文件（用 -o 输出.yaml 时生成对讲机文本）：各行按其
位置给出全部 128 个信道（没有任何行给出的信道为未使用），其余内容都来自基础
文件。位置不是信道号时（从 0 开始、超过 128 或重复），各行按文件中的顺序从
信道 1 起依次放入，并会说明这一点。使用 --into 时，各行按文件中的顺序放入
基础文件的信道，其余信道保持不变。本机无法保存的每一行都会列出行号和原因
（列出前 100 个问题，其余只给出数目），此时不写入任何内容（退出状态 4），
除非给出 --skip-bad。名称会转为大写并截为五个字符，以瓦数给出的功率 1 W 及
以下为低功率、以上为高功率，这些也会列出。

  -o, --output F      要写入的信道参数文件
  --base F            提供可选参数、频率模式、工作频率范围和收音机频道的
                      信道参数文件或对讲机文本（默认：程序的默认数据）；各行
                      的频率须在它的工作频率范围内
  --into empty        把各行放入基础文件中未使用的信道，从信道 1 起
  --into from:N       把各行放入信道 N、N+1……，覆盖基础文件在那里的内容
  --skip-bad          略去被拒绝的行，写入文件
  --radio-version N   要写入的存储格式：2（默认）或 1
  -q, --quiet         只列出被拒绝的行
</translation>
    </message>
    <message>
        <source>sort needs the channel file to write: -o OUT.chann</source>
        <translation>sort 需要指定要写入的信道参数文件：-o 输出.chann</translation>
    </message>
    <message>
        <source>sort needs what to sort by: --by rx, tx, name, tone or power</source>
        <translation>sort 需要指定排序依据：--by rx、tx、name、tone 或 power</translation>
    </message>
    <message>
        <source>--by takes rx, tx, name, tone or power, not &quot;%1&quot;.</source>
        <translation>--by 只接受 rx、tx、name、tone 或 power，而不是“%1”。</translation>
    </message>
    <message>
        <source>The channels, sorted by %1, are in %2.</source>
        <translation>已按%1排序的信道保存在 %2。</translation>
    </message>
    <message>
        <source>--plan takes %1, not &quot;%2&quot;.</source>
        <translation>--plan 只接受 %1，而不是“%2”。</translation>
    </message>
    <message>
        <source>Every channel keeps to the plan of %1.</source>
        <translation>所有信道都符合 %1 的频率规划。</translation>
    </message>
    <message>
        <source>Channels that break the plan of %1: %2.</source>
        <translation>不符合 %1 频率规划的信道：%2 个。</translation>
    </message>
    <message>
        <source>Usage: qv3n-cli sort FILE --by rx|tx|name|tone|power -o OUT [--descending]
                     [--base F] [--radio-version 1|2] [--quiet] [--lang en|zh]

Writes the channels of a channel file (.chann) or a radio text (.yaml) sorted
into a new file of either kind, told by its suffix: the channels in use from
channel 1 on, by the key, then the unused ones. Each channel keeps all its
settings, and the priority channel follows its channel. Channels with the
same key keep their order; channels in use without the key (receive only,
sorted by tx; no name, sorted by name) come after the others.

  --by KEY            rx or tx (frequency), name, tone (the decode tone: off,
                      CTCSS, DCS, inverted DCS) or power (Low, High)
  --descending        from the highest (Z, High) down
  -o, --output F      the file to write: OUT.chann or OUT.yaml
  --base F            what a radio text leaves out (default: the program&apos;s
                      default image)
  --radio-version N   the memory format of a channel file: 2 (the default) or
                      1; a radio text states its own
  -q, --quiet         no completion message, only errors
</source>
        <translation>用法：qv3n-cli sort 文件 --by rx|tx|name|tone|power -o 输出 [--descending]
                     [--base F] [--radio-version 1|2] [--quiet] [--lang en|zh]

把信道参数文件（.chann）或对讲机文本（.yaml）中的信道排序后写入新文件，新文件
的种类由其后缀决定：使用中的信道从信道 1 起按排序依据排列，其后是未使用的信道。
每个信道保留全部参数，优先信道随其信道移动。依据相同的信道保持原有顺序；使用中
但没有该依据的信道（按 tx 排序时的仅接收信道、按 name 排序时没有名称的信道）
排在其他信道之后。

  --by 依据           rx 或 tx（频率）、name（名称）、tone（解码亚音：关、
                      CTCSS、DCS、反相 DCS）或 power（功率：低、高）
  --descending        从最高（Z、高功率）往下排
  -o, --output F      要写入的文件：输出.chann 或 输出.yaml
  --base F            对讲机文本省略的内容取自该文件（默认：程序的默认数据）
  --radio-version N   信道参数文件的存储格式：2（默认）或 1；对讲机文本自带
                      其存储格式
  -q, --quiet         不显示完成信息，只显示错误
</translation>
    </message>
    <message>
        <source>Present without a COM of their own: %1</source>
        <translation>已存在但没有自己的 COM 编号：%1</translation>
    </message>
    <message>
        <source>--skip-bad and --into are options of import only.</source>
        <translation>--skip-bad 和 --into 只用于 import。</translation>
    </message>
    <message>
        <source>%1 takes no --base; it reads no file.</source>
        <translation>%1 不接受 --base；它不读取文件。</translation>
    </message>
    <message>
        <source>--by and --descending are options of sort only.</source>
        <translation>--by 和 --descending 只用于 sort。</translation>
    </message>
    <message>
        <source>--plan is for check only.</source>
        <translation>--plan 只用于 check。</translation>
    </message>
    <message>
        <source>Usage: qv3n-cli check FILE [--plan PLAN] [--base F] [--radio-version 1|2]
                      [--lang en|zh]

Runs the checks that a write runs before it sends anything, and prints what
they would adjust (priority channel, start channel) and every frequency they
would refuse. Exits with 4 when a write would be refused, 0 when not. FILE is
a channel file (.chann) or a radio text (.yaml).

With --plan, checks the channels against the band plan of a licence-free
service instead, and prints every channel that transmits on a frequency the
service does not list, or wide or on high power where it allows narrow or low
power only; receive-only channels never break a plan. Exits with 4 when a
channel breaks the plan, 0 when none does.

  --plan PLAN         pmr446, china-public-409, frs or gmrs: the stock channel
                      set of that name is the plan
  --base F            what a radio text leaves out (default: the program&apos;s
                      default image)
  --radio-version N   the memory format of a channel file: 2 (the default) or
                      1; a radio text states its own
</source>
        <translation>用法：qv3n-cli check 文件 [--plan 规划] [--base F] [--radio-version 1|2]
                      [--lang en|zh]

执行写入前的检查，显示检查会调整的内容（优先信道、起始信道）以及会被拒绝的
每个频率。写入会被拒绝时退出状态为 4，否则为 0。文件为信道参数文件（.chann）
或对讲机文本（.yaml）。

使用 --plan 时，改为按某一免执照业务的频率规划检查各信道，列出在该业务不允许
的频率上发射的信道，以及在只允许窄带或低功率的频率上使用宽带或高功率的信道；
仅接收的信道不会违反规划。有信道违反规划时退出状态为 4，否则为 0。

  --plan 规划         pmr446、china-public-409、frs 或 gmrs：以同名的预置
                      信道组作为规划
  --base F            对讲机文本省略的内容取自该文件（默认：程序的默认数据）
  --radio-version N   信道参数文件的存储格式：2（默认）或 1；对讲机文本自带
                      其存储格式
</translation>
    </message>
    <message>
        <source>Usage: qv3n-cli ports [--lang en|zh]

Lists COM1 to COM8 as the program&apos;s port setup numbers them, each with the
device it stands for: the USB chip of its cable (common name and vendor:product
id), the cable&apos;s serial number, and its stable name under /dev/serial/by-id.
A COM that the port setup keeps for a cable that is not plugged in says so;
what is known to go wrong with a cable&apos;s chip follows on the next line.
</source>
        <translation>用法：qv3n-cli ports [--lang en|zh]

按程序端口设置的编号列出 COM1 至 COM8，以及各自对应的设备：写频线的 USB
芯片（通用名称和 厂商:产品 标识）、写频线的序列号，以及它在
/dev/serial/by-id 下的固定名称。端口设置为某根未插上的写频线保留的 COM
会注明这一点；写频线芯片已知的问题在下一行说明。
</translation>
    </message>
    <message>
        <source>Unknown verb &quot;%1&quot;; the verbs are read, write, show, check, export, import, diff, print, sort, convert, ports, fleet and help.</source>
        <translation>未知命令“%1”；可用命令为 read、write、show、check、export、import、diff、print、sort、convert、ports、fleet 和 help。</translation>
    </message>
    <message>
        <source>%1: ok (verified) %2 s</source>
        <translation>%1：成功（已校验）%2 秒</translation>
    </message>
    <message>
        <source>%1: ok (not verified) %2 s</source>
        <translation>%1：成功（未校验）%2 秒</translation>
    </message>
    <message>
        <source>%1: failed: %2</source>
        <translation>%1：失败：%2</translation>
    </message>
    <message>
        <source>The port %1 is given twice.</source>
        <translation>端口 %1 重复给出。</translation>
    </message>
    <message>
        <source>--asset takes PORT=TAG, not &quot;%1&quot;.</source>
        <translation>--asset 的格式为 端口=编号，而不是“%1”。</translation>
    </message>
    <message>
        <source>--asset names %1, which is not among the ports.</source>
        <translation>--asset 指定的 %1 不在给出的端口之中。</translation>
    </message>
    <message>
        <source>The fleet report %1 cannot be written: %2</source>
        <translation>无法写入批量编程报告 %1：%2</translation>
    </message>
    <message>
        <source>The operand FILE is missing.</source>
        <translation>缺少参数 FILE。</translation>
    </message>
    <message>
        <source>The operand PORT is missing.</source>
        <translation>缺少参数 PORT。</translation>
    </message>
    <message>
        <source>fleet takes no -o; its rows go to the report (--report).</source>
        <translation>fleet 不接受 -o；记录写入报告（--report）。</translation>
    </message>
    <message>
        <source>Nothing was written to any radio.</source>
        <translation>没有向任何对讲机写入数据。</translation>
    </message>
    <message>
        <source>The row of %1 could not be added to the fleet report %2: %3</source>
        <translation>无法把 %1 的记录添加到批量编程报告 %2：%3</translation>
    </message>
    <message>
        <source>Usage: qv3n-cli fleet FILE PORT... [--verify] [--backup DIR] [--report R.csv]
                      [--asset PORT=TAG]... [--base F] [--radio-version 1|2] [--quiet]
                      [--lang en|zh]

Writes a channel file (FILE.chann) or a radio text (FILE.yaml) to the radios on
all the ports given at once, each port with its own link, as Program &gt; Fleet
programming does in the program. The file is checked as write checks it; when
it cannot be read or is refused, nothing is sent to any radio. A line for each
radio says how it ended, as it ends, and a row for each is appended to the
fleet report (time, operator, asset tag, port, device, cable, memory format,
file, SHA-256 of the image written, backup, verify result, seconds, result and
reason). Exits with 0 when every radio was programmed, 1 when any failed.

  PORT                COM1 to COM8, or a device path such as /dev/ttyUSB0
  --verify            read each radio back afterwards and compare it
  --backup DIR        first read each radio into a new channel file in DIR
  --report R.csv      the report to append to (default: fleet-report.csv in
                      the program&apos;s data folder)
  --asset PORT=TAG    the asset tag of the radio on PORT, for the report
  --base F            what a radio text leaves out (default: the program&apos;s
                      default image)
  --radio-version N   the memory format of a channel file: 2 (the default) or
                      1; a radio text states its own
  -q, --quiet         no advice after a failed radio
</source>
        <translation>用法：qv3n-cli fleet 文件 端口... [--verify] [--backup 文件夹] [--report R.csv]
                      [--asset 端口=编号]... [--base F] [--radio-version 1|2] [--quiet]
                      [--lang en|zh]

同时把信道参数文件（文件.chann）或对讲机文本（文件.yaml）写入所给各端口上的
对讲机，每个端口使用自己的通讯，与程序中的“编程 → 批量编程”相同。文件按
write 的方式检查；文件无法读取或被拒绝时，不向任何对讲机发送数据。每台对讲机
结束时显示一行结果，并在批量编程报告中追加一行（时间、操作员、资产编号、端口、
设备、编程线、存储格式、文件、写入数据的 SHA-256、备份、校验结果、秒数、结果
和原因）。所有对讲机都编程成功时退出状态为 0，有任何一台失败时为 1。

  端口                COM1 至 COM8，或设备路径，例如 /dev/ttyUSB0
  --verify            写入后读回每台对讲机并比较
  --backup 文件夹     写入前先把每台对讲机读入该文件夹中的新信道参数文件
  --report R.csv      要追加的报告（默认：程序数据文件夹中的
                      fleet-report.csv）
  --asset 端口=编号   该端口上对讲机的资产编号，记入报告
  --base F            对讲机文本省略的内容取自该文件（默认：程序的默认数据）
  --radio-version N   信道参数文件的存储格式：2（默认）或 1；对讲机文本自带
                      其存储格式
  -q, --quiet         对讲机失败后不显示检查建议
</translation>
    </message>
    <message>
        <source>--verify and --backup belong to write and fleet.</source>
        <translation>--verify 和 --backup 只用于 write 和 fleet。</translation>
    </message>
    <message>
        <source>--report and --asset belong to fleet.</source>
        <translation>--report 和 --asset 只用于 fleet。</translation>
    </message>
    <message>
        <source>Usage: qv3n-cli VERB [OPTIONS] OPERANDS

Programs QV3N radios from the command line, with the same radio link and the
same checks as the program&apos;s windows.

Verbs:
  read PORT -o FILE.chann        read the radio&apos;s memory into a channel file
  write PORT FILE.chann          write a channel file to the radio
  show FILE.chann                print the channels and settings of a file
  check FILE.chann               say what a write of the file would adjust
                                 or refuse
  export FILE.chann -o OUT.csv   write the channels of a file as CSV
  import IN.csv -o OUT.chann     make a channel file from a CSV channel list
  diff A B                       list what differs between two channel
                                 files, or a file and a radio
  print FILE.chann -o OUT.pdf    write the channel list of a file as PDF
  sort FILE.chann -o OUT.chann   write the channels of a file sorted
  convert IN -o OUT              turn a channel file into a radio text
                                 (.yaml, the whole radio as readable text)
                                 or back
  ports                          list COM1 to COM8 with the device and cable
                                 each stands for
  fleet FILE.chann PORT...       write a channel file to the radios on
                                 several ports at once, with a report
  help [VERB]                    this help, or the help of one verb (also
                                 VERB --help)

Wherever a verb reads FILE.chann, a radio text FILE.yaml does as well.
PORT is COM1 to COM8, numbered as in the program&apos;s port setup, or a device
path such as /dev/ttyUSB0.

Options:
  -o, --output F        the file to write (read, export, import, print, sort,
                        convert)
  --radio-version 1|2   the memory format of channel files (default 2; read
                        takes the radio&apos;s, a radio text states its own)
  --base FILE           import: the file everything but the channels comes
                        from; a radio text: the file that gives what it
                        leaves out
  --skip-bad            import: write the other rows when some are refused
  --into empty|from:N   import: fill the unused channels, or write from
                        channel N down, instead of replacing all channels
  --by KEY              sort: rx, tx, name, tone or power
  --descending          sort: from the highest down
  --plan PLAN           check: the band plan of pmr446, china-public-409,
                        frs or gmrs instead of the checks of a write
  --paper a4|letter     print: the paper size
  --verify              write, fleet: read the radio back and compare it with
                        what was sent
  --backup DIR          write, fleet: first read the radio into a new channel
                        file in DIR
  --report R.csv        fleet: the report to append a row per radio to
  --asset PORT=TAG      fleet: the asset tag of the radio on PORT
  --trace FILE          read, write, diff: keep every byte exchanged, with
                        times, in FILE
  -q, --quiet           only errors: no progress or completion messages
  --lang en|zh          messages in English (the default) or in Chinese
  -h, --help            this help
  --version             the program&apos;s name and version

Exit status:
  0   done
  1   the radio failed: the port cannot be opened, no valid answer after the
      retries, the line broke, or with --verify it does not read back as
      written
  2   usage error
  3   file error: a file cannot be read or written, or is malformed
  4   refused: a check before writing failed, the radio&apos;s memory format
      differs from the file&apos;s, import refused rows, or a channel breaks
      the plan of check --plan
  5   diff: the two differ

Environment:
  QV3N_COM1 ... QV3N_COM8
                        the serial device that COM1 ... COM8 stand for
                        (otherwise the cable the port setup keeps for the
                        COM, else the serial devices present, USB adapters
                        first, each group by name)
</source>
        <translation>用法：qv3n-cli 命令 [选项] 参数

在命令行中为 QV3N 对讲机编程，使用与程序窗口相同的通讯和相同的检查。

命令：
  read 端口 -o 文件.chann         把对讲机的存储器读入信道参数文件
  write 端口 文件.chann           把信道参数文件写入对讲机
  show 文件.chann                 显示文件中的信道和参数
  check 文件.chann                说明写入该文件时会调整或拒绝的内容
  export 文件.chann -o 输出.csv   把文件中的信道写成 CSV
  import 输入.csv -o 输出.chann   由 CSV 信道列表生成信道参数文件
  diff A B                        列出两个信道参数文件之间、或文件与对讲机
                                  之间的差别
  print 文件.chann -o 输出.pdf    把文件的信道列表写成 PDF
  sort 文件.chann -o 输出.chann   把文件中的信道排序后写入
  convert 输入 -o 输出            把信道参数文件转成对讲机文本（.yaml，以可读
                                  文字表示整台对讲机），或反过来
  ports                           列出 COM1 至 COM8 各自代表的设备和编程线
  fleet 文件.chann 端口...        同时把信道参数文件写入多个端口上的对讲机，
                                  并记入报告
  help [命令]                     本帮助，或某个命令的帮助（也可用
                                  命令 --help）

凡是命令读取 文件.chann 的地方，也可以用对讲机文本 文件.yaml。
端口为 COM1 至 COM8，编号与程序的端口设置相同，或设备路径，例如
/dev/ttyUSB0。

选项：
  -o, --output 文件     要写入的文件（read、export、import、print、sort、
                        convert）
  --radio-version 1|2   信道参数文件的存储格式（默认 2；read 采用对讲机的格式，
                        对讲机文本自带其存储格式）
  --base 文件           import：信道以外的一切取自该文件；对讲机文本：其省略
                        的内容取自该文件
  --skip-bad            import：有行被拒绝时仍写入其余的行
  --into empty|from:N   import：填入未使用的信道，或从信道 N 起写入，
                        而不是替换全部信道
  --by 依据             sort：rx、tx、name、tone 或 power
  --descending          sort：从最高往下排
  --plan 规划           check：按 pmr446、china-public-409、frs 或 gmrs
                        的频率规划检查，而不是执行写入前的检查
  --paper a4|letter     print：纸张大小
  --verify              write、fleet：写入后读回对讲机，与写入的内容比较
  --backup 目录         write、fleet：写入前先把对讲机读入该目录中的新信道
                        参数文件
  --report R.csv        fleet：每台对讲机追加一行的报告文件
  --asset 端口=编号     fleet：该端口上对讲机的资产编号
  --trace 文件          read、write、diff：把通讯的每个字节连同时间记入该文件
  -q, --quiet           只显示错误，不显示进度和完成信息
  --lang en|zh          信息使用英文（默认）或中文
  -h, --help            本帮助
  --version             程序名称和版本

退出状态：
  0   完成
  1   与对讲机通讯失败：端口无法打开、重试后仍无有效应答、线路中断，或使用
      --verify 时读回的内容与写入的不同
  2   用法错误
  3   文件错误：文件无法读取或写入，或格式不对
  4   被拒绝：写入前的检查未通过、对讲机的存储格式与文件的不同、import
      有行被拒绝，或有信道违反 check --plan 的频率规划
  5   diff：两者不同

环境变量：
  QV3N_COM1 ... QV3N_COM8
                        COM1 ... COM8 所代表的串口设备（未设置时为端口设置为该
                        COM 保留的编程线，否则为现有的串口设备，USB 转换器在前，
                        各组按名称排序）
</translation>
    </message>
</context>
</TS>
