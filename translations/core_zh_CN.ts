<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BandPlan</name>
    <message>
        <source>Channel %1 transmits on %2 MHz, which %3 does not allow.</source>
        <translation>信道 %1 在 %2 MHz 发射，%3 不允许使用该频率。</translation>
    </message>
    <message>
        <source>Channel %1 is wide and on high power on %2 MHz, where %3 allows narrow and low power only.</source>
        <translation>信道 %1 在 %2 MHz 为宽带、高功率，而 %3 在该频率只允许窄带、低功率。</translation>
    </message>
    <message>
        <source>Channel %1 is wide on %2 MHz, where %3 allows narrow only.</source>
        <translation>信道 %1 在 %2 MHz 为宽带，而 %3 在该频率只允许窄带。</translation>
    </message>
    <message>
        <source>Channel %1 is on high power on %2 MHz, where %3 allows low power only.</source>
        <translation>信道 %1 在 %2 MHz 为高功率，而 %3 在该频率只允许低功率。</translation>
    </message>
</context>
<context>
    <name>ChannelRecord</name>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>宽带</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>窄带</translation>
    </message>
</context>
<context>
    <name>ChannelRows</name>
    <message>
        <source>the transmit frequency &quot;%1&quot; is not a number</source>
        <translation>发射频率“%1”不是数字</translation>
    </message>
    <message>
        <source>the receive frequency &quot;%1&quot; is not a number</source>
        <translation>接收频率“%1”不是数字</translation>
    </message>
    <message>
        <source>the transmit frequency %1 MHz lies outside the range %2 to %3 MHz</source>
        <translation>发射频率 %1 MHz 超出范围 %2 至 %3 MHz</translation>
    </message>
    <message>
        <source>the receive frequency %1 MHz lies outside the range %2 to %3 MHz</source>
        <translation>接收频率 %1 MHz 超出范围 %2 至 %3 MHz</translation>
    </message>
    <message>
        <source>the row has no receive frequency</source>
        <translation>该行没有接收频率</translation>
    </message>
    <message>
        <source>the row is not a row of the channel table: its columns must be separated by tabs</source>
        <translation>该行不是信道表的行：各列必须以制表符分隔</translation>
    </message>
    <message>
        <source>the decode tone &quot;%1&quot; is not in the radio&apos;s table</source>
        <translation>解码“%1”不在对讲机的亚音表中</translation>
    </message>
    <message>
        <source>the power &quot;%1&quot; is neither High nor Low</source>
        <translation>功率“%1”既不是高也不是低</translation>
    </message>
    <message>
        <source>the width &quot;%1&quot; is neither Wide nor Narrow</source>
        <translation>带宽“%1”既不是宽带也不是窄带</translation>
    </message>
    <message>
        <source>the encode tone &quot;%1&quot; is not in the radio&apos;s table</source>
        <translation>编码“%1”不在对讲机的亚音表中</translation>
    </message>
    <message>
        <source>Rows %1 to %2: %3.</source>
        <translation>第 %1 至 %2 行：%3。</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>第 %1 行：%2。</translation>
    </message>
    <message>
        <source>Row %1 (channel %2): %3.</source>
        <translation>第 %1 行（信道 %2）：%3。</translation>
    </message>
    <message>
        <source>the transmit frequency %1 MHz cannot be stored: the radio holds frequencies below 1000 MHz only</source>
        <translation>发射频率 %1 MHz 无法保存：对讲机只能保存 1000 MHz 以下的频率</translation>
    </message>
    <message>
        <source>the receive frequency %1 MHz cannot be stored: the radio holds frequencies below 1000 MHz only</source>
        <translation>接收频率 %1 MHz 无法保存：对讲机只能保存 1000 MHz 以下的频率</translation>
    </message>
    <message>
        <source>past the last channel (128)</source>
        <translation>超出最后一个信道（128）</translation>
    </message>
    <message>
        <source>These rows were not pasted, and their channels are unchanged:</source>
        <translation>以下各行未粘贴，对应的信道保持不变：</translation>
    </message>
    <message>
        <source>past the last channel shown (%1)</source>
        <translation>超出了显示的最后一个信道（%1）</translation>
    </message>
</context>
<context>
    <name>ChannelSets</name>
    <message>
        <source>PMR446 (Europe)</source>
        <translation>PMR446（欧洲）</translation>
    </message>
    <message>
        <source>China&apos;s public band, 409 MHz</source>
        <translation>公众对讲机（409 MHz）</translation>
    </message>
    <message>
        <source>FRS (United States)</source>
        <translation>FRS（美国）</translation>
    </message>
    <message>
        <source>GMRS (United States)</source>
        <translation>GMRS（美国）</translation>
    </message>
    <message>
        <source>There is no channel set &quot;%1&quot;.</source>
        <translation>没有名为“%1”的信道组。</translation>
    </message>
    <message>
        <source>The channel set %1 cannot be held exactly, so nothing of it is imported. %2</source>
        <translation>对讲机无法原样保存信道组 %1，因此没有导入其中任何信道。%2</translation>
    </message>
</context>
<context>
    <name>ChannelSort</name>
    <message>
        <source>RX frequency</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>TX frequency</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>decode tone</source>
        <translation>解码亚音</translation>
    </message>
    <message>
        <source>power</source>
        <translation>功率</translation>
    </message>
</context>
<context>
    <name>ChannelTableWindow</name>
    <message>
        <source>Channel Information</source>
        <translation>信道参数编辑</translation>
    </message>
    <message>
        <source>^ Channel |^RX Frequency|^TX Frequency|^CTCSS/DCS Dec|^CTCSS/DCS Enc|^ TX Power |^  W/N  |^  Name  </source>
        <translation>^ 信道号 |^接收频率(MHZ)|^发射频率(MHZ)|^QT/DQT 解码|^QT/DQT 编码|^发射功率|^信道带宽|^信道名称</translation>
    </message>
</context>
<context>
    <name>CompareText</name>
    <message>
        <source>%1 %2 → %3</source>
        <translation>%1 %2 → %3</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the changes of one line</comment>
        <translation>；</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the items of a list</comment>
        <translation>，</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>（空）</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>RX</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>TX</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>none (receive only)</source>
        <translation>无（仅接收）</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>解码</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>发射功率</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>信道带宽</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>宽带</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>窄带</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>信道名称</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（无）</translation>
    </message>
    <message>
        <source>Squelch level</source>
        <translation>静噪等级</translation>
    </message>
    <message>
        <source>VOX level</source>
        <translation>声控等级</translation>
    </message>
    <message>
        <source>Time-out timer (minutes)</source>
        <translation>超时定时器（分钟）</translation>
    </message>
    <message>
        <source>Work mode</source>
        <translation>工作模式</translation>
    </message>
    <message>
        <source>Frequency</source>
        <comment>work mode</comment>
        <translation>频率模式</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>work mode</comment>
        <translation>信道模式</translation>
    </message>
    <message>
        <source>Only channel mode</source>
        <translation>仅工作在信道模式</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>背光灯</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>按键点亮</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>持续点亮</translation>
    </message>
    <message>
        <source>Channel display</source>
        <translation>信道显示方式</translation>
    </message>
    <message>
        <source>Frequency</source>
        <comment>channel display</comment>
        <translation>显示信道频率</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>channel display</comment>
        <translation>显示信道名称</translation>
    </message>
    <message>
        <source>Scan mode</source>
        <translation>扫描方式</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>TO</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>CO</source>
        <translation>载波</translation>
    </message>
    <message>
        <source>Priority channel</source>
        <translation>优先信道</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Battery save</source>
        <translation>电池省电</translation>
    </message>
    <message>
        <source>Key beep</source>
        <translation>哔音</translation>
    </message>
    <message>
        <source>PF key</source>
        <translation>PF 键</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>呼叫</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>照明</translation>
    </message>
    <message>
        <source>Priority scan</source>
        <translation>优先扫描</translation>
    </message>
    <message>
        <source>Step (kHz)</source>
        <translation>步进频率（kHz）</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>频差方向</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>减频</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>加频</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>频差频率</translation>
    </message>
    <message>
        <source>cell %1 %2 → %3</source>
        <translation>单元 %1 %2 → %3</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a field and its value</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>other stored bytes: %1</source>
        <translation>其他存储字节：%1</translation>
    </message>
    <message>
        <source>Channel %1: %2</source>
        <translation>信道 %1：%2</translation>
    </message>
    <message>
        <source>Channel %1: added (%2)</source>
        <translation>信道 %1：新增（%2）</translation>
    </message>
    <message>
        <source>Channel %1: removed (%2)</source>
        <translation>信道 %1：删除（%2）</translation>
    </message>
    <message>
        <source>Channel %1: unused in both, other stored bytes: %2</source>
        <translation>信道 %1：两边均未使用，其他存储字节：%2</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1：%2 → %3</translation>
    </message>
    <message>
        <source>Frequency mode: %1</source>
        <translation>频率模式：%1</translation>
    </message>
    <message>
        <source>%1 to %2 MHz</source>
        <translation>%1 至 %2 MHz</translation>
    </message>
    <message>
        <source>Frequency range: %1 → %2</source>
        <translation>工作频率范围：%1 → %2</translation>
    </message>
    <message>
        <source>FM preset %1: %2 → %3</source>
        <translation>收音机频道 %1：%2 → %3</translation>
    </message>
    <message>
        <source>Memory block %1: %2 cells differ</source>
        <translation>存储块 %1：%2 个单元不同</translation>
    </message>
    <message>
        <source>Memory block %1: %2</source>
        <translation>存储块 %1：%2</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Optional features</source>
        <translation>可选参数</translation>
    </message>
    <message>
        <source>Frequency mode</source>
        <translation>频率模式</translation>
    </message>
    <message>
        <source>Frequency range</source>
        <translation>工作频率范围</translation>
    </message>
    <message>
        <source>FM presets</source>
        <translation>收音机频道</translation>
    </message>
    <message>
        <source>Other memory</source>
        <translation>其他存储内容</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>没有差别。</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>The transmit frequency &quot;%1&quot; is not a number.</source>
        <translation>发射频率“%1”不是数字。</translation>
    </message>
    <message>
        <source>The frequency &quot;%1&quot; is not a number.</source>
        <translation>频率“%1”不是数字。</translation>
    </message>
    <message>
        <source>The transmit frequency %1 MHz lies outside the range %2 to %3 MHz.</source>
        <translation>发射频率 %1 MHz 超出工作频率范围 %2 至 %3 MHz。</translation>
    </message>
    <message>
        <source>The frequency %1 MHz lies outside the range %2 to %3 MHz.</source>
        <translation>频率 %1 MHz 超出工作频率范围 %2 至 %3 MHz。</translation>
    </message>
    <message>
        <source>The duplex &quot;%1&quot; is none of +, -, split and off.</source>
        <translation>频差方向“%1”不是 +、-、split 或 off。</translation>
    </message>
    <message>
        <source>The offset &quot;%1&quot; is not a number.</source>
        <translation>频差“%1”不是数字。</translation>
    </message>
    <message>
        <source>The CTCSS tone %1 Hz is not in the radio&apos;s table.</source>
        <translation>CTCSS 亚音 %1 Hz 不在本机的亚音表中。</translation>
    </message>
    <message>
        <source>The DCS code %1 is not in the radio&apos;s table.</source>
        <translation>DCS 数字亚音 %1 不在本机的亚音表中。</translation>
    </message>
    <message>
        <source>The DCS polarity &quot;%1&quot; is not two letters N or R.</source>
        <translation>DCS 极性“%1”不是由 N 或 R 组成的两个字母。</translation>
    </message>
    <message>
        <source>The cross mode &quot;%1&quot; is not one the radio can hold.</source>
        <translation>本机无法保存交叉方式“%1”。</translation>
    </message>
    <message>
        <source>The tone mode &quot;%1&quot; is none of Tone, TSQL, DTCS and Cross.</source>
        <translation>亚音方式“%1”不是 Tone、TSQL、DTCS 或 Cross。</translation>
    </message>
    <message>
        <source>%1 MHz is stored as %2 MHz: the radio&apos;s step is %3 kHz.</source>
        <translation>%1 MHz 保存为 %2 MHz：本机的频率步进为 %3 kHz。</translation>
    </message>
    <message>
        <source>The row gives no location.</source>
        <translation>该行没有给出信道号（Location）。</translation>
    </message>
    <message>
        <source>The location &quot;%1&quot; is not a channel number from 1 to 128.</source>
        <translation>信道号“%1”不在 1 至 128 之间。</translation>
    </message>
    <message>
        <source>The row gives no frequency.</source>
        <translation>该行没有给出频率。</translation>
    </message>
    <message>
        <source>The mode &quot;%1&quot; is neither FM nor NFM.</source>
        <translation>模式“%1”既不是 FM 也不是 NFM。</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is stored as &quot;%2&quot;.</source>
        <translation>名称“%1”保存为“%2”。</translation>
    </message>
    <message>
        <source>The CSV file %1 cannot be opened: %2</source>
        <translation>无法打开 CSV 文件 %1：%2</translation>
    </message>
    <message>
        <source>The CSV file %1 is larger than %2 MiB, far too large for a list of 128 channels. Nothing was imported.</source>
        <translation>CSV 文件 %1 大于 %2 MiB，远远超出 128 个信道的列表所需。未导入任何内容。</translation>
    </message>
    <message>
        <source>Line %1 of the CSV file %2 is not UTF-8 text. Save the file as &quot;CSV UTF-8&quot; and import it again. Nothing was imported.</source>
        <translation>CSV 文件 %2 的第 %1 行不是 UTF-8 文本。请将文件另存为“CSV UTF-8”后再导入。未导入任何内容。</translation>
    </message>
    <message>
        <source>Line %1 of the CSV file %2 holds a quoted field that does not end with a quote followed by a comma or the end of the line. Nothing was imported.</source>
        <translation>CSV 文件 %2 的第 %1 行有一个带引号的字段，它没有以引号加逗号或行尾结束。未导入任何内容。</translation>
    </message>
    <message>
        <source>The CSV file %1 is empty: it has no header row. Nothing was imported.</source>
        <translation>CSV 文件 %1 是空的：没有标题行。未导入任何内容。</translation>
    </message>
    <message>
        <source>The header row of the CSV file %1 has no column &quot;%2&quot;. Nothing was imported.</source>
        <translation>CSV 文件 %1 的标题行中没有“%2”列。未导入任何内容。</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>Line %1 (channel %2): %3</source>
        <translation>第 %1 行（信道 %2）：%3</translation>
    </message>
    <message>
        <source>The transmit frequency %1 MHz cannot be stored: the radio holds frequencies below 1000 MHz only.</source>
        <translation>发射频率 %1 MHz 无法保存：对讲机只能保存 1000 MHz 以下的频率。</translation>
    </message>
    <message>
        <source>The frequency %1 MHz cannot be stored: the radio holds frequencies below 1000 MHz only.</source>
        <translation>频率 %1 MHz 无法保存：对讲机只能保存 1000 MHz 以下的频率。</translation>
    </message>
    <message>
        <source>Problems after these, not listed: %1.</source>
        <translation>其后另有未列出的问题 %1 个。</translation>
    </message>
    <message>
        <source>The power &quot;%1&quot; is neither High nor Low nor watts such as 0.5W.</source>
        <translation>功率“%1”既不是 High 或 Low，也不是 0.5W 这样的瓦数。</translation>
    </message>
    <message>
        <source>The power %1 is stored as High (more than 1 W).</source>
        <translation>功率 %1 保存为高功率（大于 1 W）。</translation>
    </message>
    <message>
        <source>The power %1 is stored as Low (1 W or less).</source>
        <translation>功率 %1 保存为低功率（1 W 及以下）。</translation>
    </message>
    <message>
        <source>No unused channel is left for the row.</source>
        <translation>已没有未使用的信道可放这一行。</translation>
    </message>
    <message>
        <source>The row would go past channel 128.</source>
        <translation>这一行会超出第 128 信道。</translation>
    </message>
    <message>
        <source>The file numbers its rows from 0 (line %1), so the rows are placed in file order from channel 1.</source>
        <translation>文件的行从 0 开始编号（第 %1 行），因此各行按文件中的顺序从信道 1 起依次放入。</translation>
    </message>
    <message>
        <source>Line %1 gives location %2, past channel 128, so the rows are placed in file order from channel 1.</source>
        <translation>第 %1 行给出的位置 %2 超出了第 128 信道，因此各行按文件中的顺序从信道 1 起依次放入。</translation>
    </message>
    <message>
        <source>Lines %1 and %2 both give location %3, so the rows are placed in file order from channel 1.</source>
        <translation>第 %1 行和第 %2 行都给出位置 %3，因此各行按文件中的顺序从信道 1 起依次放入。</translation>
    </message>
</context>
<context>
    <name>FieldGuide</name>
    <message>
        <source>Stops a transmission after 1 to 7 minutes, so that a stuck key does not block the channel; Off never stops it.</source>
        <translation>发射 1 到 7 分钟后自动停止，以免按键卡住时一直占用信道；选“关”则从不停止。</translation>
    </message>
    <message>
        <source>Transmits when you speak, without pressing the key: 1 reacts to the softest voice, 9 needs the loudest; Off needs the key.</source>
        <translation>说话即发射，无需按键：1 对最轻的声音就有反应，9 需要最大的声音；选“关”则需按键发射。</translation>
    </message>
    <message>
        <source>How strong a signal must be before the speaker opens: 0 lets noise through, 9 only strong stations.</source>
        <translation>信号要多强喇叭才打开：0 连噪声也能听到，9 只听强信号。</translation>
    </message>
    <message>
        <source>Whether the radio works on its memory channels (Channel) or on a frequency typed on the keypad (Frequency).</source>
        <translation>对讲机工作在存储的信道上（信道模式），还是工作在键盘输入的频率上（频率模式）。</translation>
    </message>
    <message>
        <source>Locks the radio to its memory channels: the keypad cannot tune a frequency.</source>
        <translation>把对讲机锁定在存储的信道上：不能用键盘输入频率。</translation>
    </message>
    <message>
        <source>The display light: off, on for a while after each key press (Push), or always on (Continue).</source>
        <translation>显示屏背光：关、按键后点亮一段时间（按键点亮）或一直点亮（持续点亮）。</translation>
    </message>
    <message>
        <source>Whether the display shows each channel&apos;s frequency or its name.</source>
        <translation>显示屏显示信道的频率还是信道的名称。</translation>
    </message>
    <message>
        <source>When a scan stops on a busy channel, when it moves on: SE stops there, TO resumes after a few seconds, CO resumes once the signal ends.</source>
        <translation>扫描停在有信号的信道上之后何时继续：搜索（SE）停在那里，时间（TO）几秒后继续，载波（CO）信号结束后继续。</translation>
    </message>
    <message>
        <source>A channel the radio keeps checking while it scans or stays on another one; it must be a channel in use.</source>
        <translation>对讲机扫描或停在其他信道时仍不断检查的信道；必须是使用中的信道。</translation>
    </message>
    <message>
        <source>Battery save: the receiver sleeps in short spells while nothing is heard, so the battery lasts longer.</source>
        <translation>电池省电：没有信号时接收机间歇休眠，使电池更耐用。</translation>
    </message>
    <message>
        <source>A beep on every key press.</source>
        <translation>每次按键时发出哔声。</translation>
    </message>
    <message>
        <source>The frequency the radio uses when a frequency is typed on its keypad, with its tones, step, duplex, width and power.</source>
        <translation>在键盘上输入频率时对讲机使用的设置：频率、亚音、步进、频差、带宽和功率。</translation>
    </message>
    <message>
        <source>The frequency the radio receives on in frequency mode, in MHz, within the frequency range.</source>
        <translation>频率模式下的接收频率（MHz），须在工作频率范围之内。</translation>
    </message>
    <message>
        <source>The frequency it transmits on: the receive frequency, or that plus or minus the offset when a duplex is chosen. It follows from the others and cannot be typed.</source>
        <translation>发射频率：等于接收频率，选了频差方向时为接收频率加或减频差。它由其他设置得出，不能直接输入。</translation>
    </message>
    <message>
        <source>The CTCSS tone or DCS code the receiver waits for before it opens the speaker; OFF hears every signal. INV marks an inverted DCS code.</source>
        <translation>接收时要求的 CTCSS 亚音或 DCS 数字亚音，收到后才打开喇叭；OFF 则收听所有信号。INV 表示反相的 DCS 码。</translation>
    </message>
    <message>
        <source>The CTCSS tone or DCS code sent with every transmission, so that radios waiting for it hear you; OFF sends none.</source>
        <translation>每次发射时附带发送的 CTCSS 亚音或 DCS 数字亚音，等待该亚音的对讲机才能听到您；OFF 则不发送。</translation>
    </message>
    <message>
        <source>How far one turn of the knob or press of a key moves the frequency.</source>
        <translation>旋钮转一格或按一次键时频率改变的大小。</translation>
    </message>
    <message>
        <source>Plus or Minus transmits on the receive frequency plus or minus the offset, as repeaters need; Off transmits on the receive frequency.</source>
        <translation>加频或减频时，在接收频率加或减频差的频率上发射（中继台需要）；关则在接收频率上发射。</translation>
    </message>
    <message>
        <source>The distance between the receive and the transmit frequency of a repeater, in MHz (at most 69.9875).</source>
        <translation>中继台收发频率之差（MHz），最大 69.9875。</translation>
    </message>
    <message>
        <source>The channel width: Wide or Narrow, as the other radios on the channel use.</source>
        <translation>信道带宽：宽带或窄带，须与同一信道上的其他对讲机一致。</translation>
    </message>
    <message>
        <source>Transmit power: High reaches further, Low saves the battery.</source>
        <translation>发射功率：高功率通信距离更远，低功率更省电。</translation>
    </message>
    <message>
        <source>The band the radio may tune, in whole MHz: every channel must lie within it, or a write is refused.</source>
        <translation>对讲机可以工作的频段（整数 MHz）：每个信道都必须在此范围内，否则拒绝写入。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a setting and what it does</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>The channel&apos;s number on the radio, 1 to 128. A click selects the channel, Shift+click the channels up to it, Ctrl+click adds it to the selection.</source>
        <translation>信道在对讲机上的编号，1 至 128。单击选中该信道，Shift+单击选中到它为止的各信道，Ctrl+单击把它加入选择。</translation>
    </message>
    <message>
        <source>The frequency the radio receives on, in MHz, within the frequency range. Empty makes the channel unused: the radio skips it.</source>
        <translation>对讲机接收的频率，单位 MHz，须在工作频率范围之内。留空则信道不用，对讲机跳过它。</translation>
    </message>
    <message>
        <source>The frequency the radio transmits on, in MHz; usually the receive frequency, another one for a repeater. Empty makes the channel receive only.</source>
        <translation>对讲机发射的频率，单位 MHz；通常与接收频率相同，经中继台时另设。留空则信道只收不发。</translation>
    </message>
    <message>
        <source>The CTCSS tone or DCS code the receiver waits for before it opens the speaker; OFF hears every signal on the channel.</source>
        <translation>接收时须收到此 CTCSS 亚音或 DCS 数字码才打开喇叭；OFF 表示信道上的所有信号都能听到。</translation>
    </message>
    <message>
        <source>The CTCSS tone or DCS code sent with every transmission on the channel, so that radios waiting for it hear you; OFF sends none.</source>
        <translation>在此信道每次发射时一并发送的 CTCSS 亚音或 DCS 数字码，等候它的对讲机才能听到你；OFF 表示不发送。</translation>
    </message>
    <message>
        <source>Transmit power on the channel: High reaches further, Low saves the battery.</source>
        <translation>此信道的发射功率：高功率传得更远，低功率更省电。</translation>
    </message>
    <message>
        <source>Up to five letters or digits the display shows for the channel when it shows names.</source>
        <translation>显示屏显示信道名称时所显示的最多五个字母或数字。</translation>
    </message>
    <message>
        <source>The preset&apos;s place in the radio&apos;s FM broadcast list.</source>
        <translation>该预置在对讲机 FM 广播列表中的位置。</translation>
    </message>
    <message>
        <source>An FM broadcast station the radio&apos;s receiver can tune to, in MHz (87 to 108); empty leaves the preset unused.</source>
        <translation>对讲机接收机可收听的 FM 广播电台频率，单位 MHz（87 至 108）；留空则该预置不用。</translation>
    </message>
</context>
<context>
    <name>FmPresetsWindow</name>
    <message>
        <source>Radio Frequency</source>
        <translation>收音机编辑</translation>
    </message>
    <message>
        <source>^Radio Channel |^ Frequency (MHZ)</source>
        <translation>^收  音  频  道 |^    频      率  (MHZ) </translation>
    </message>
</context>
<context>
    <name>ImageSummary</name>
    <message>
        <source>%1 (not in the list)</source>
        <translation>%1（不在列表中）</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>%1 to %2 MHz</source>
        <translation>%1 到 %2 MHz</translation>
    </message>
</context>
<context>
    <name>LinkEngine</name>
    <message>
        <source>Receiving or transmitting frequency that frequency Mode out of frequency limitation range </source>
        <translation>频率模式下的接收或发射频率超出频率限制范围</translation>
    </message>
    <message>
        <source>Channel %1that Receiving or transmitting frequency  out of frequency limitation range </source>
        <translation>信道 %1 中的接收或发射频率超出频率限制范围</translation>
    </message>
</context>
<context>
    <name>Maker</name>
    <message>
        <source>Quillmere Radio Workshop</source>
        <translation>羽湖无线电工坊</translation>
    </message>
    <message>
        <source>%1 QV3N series program software </source>
        <translation>%1  QV3N 系列对讲机编程软件 </translation>
    </message>
    <message>
        <source>Quillmere Radio Workshop QV3N series program software. </source>
        <translation>QV3N 系列对讲机编程软件</translation>
    </message>
    <message>
        <source>  Copyright (C) Quillmere Radio Workshop. All rights reserved.</source>
        <translation>  羽湖无线电工坊 版权所有</translation>
    </message>
    <message>
        <source>    This software was designed and developed by Quillmere Radio Workshop.</source>
        <translation>    本软件由羽湖无线电工坊设计开发</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law. Unauthorised copying or distribution of this program, or of any part of it, will be prosecuted to the full extent of the law.</source>
        <translation>警告：本程序受著作权法保护。未经授权复制或分发本程序或其任何部分，将依法追究法律责任。</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>System Information(&amp;S)...</source>
        <translation>系统信息(&amp;S)...</translation>
    </message>
</context>
<context>
    <name>NativeFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
</context>
<context>
    <name>OpenFileDialog</name>
    <message>
        <source>The channel file %1 cannot be opened: %2</source>
        <translation>无法打开信道参数文件 %1：%2</translation>
    </message>
    <message>
        <source>The channel file %1 holds only %2 of the 4096 values it must hold. Nothing was loaded.</source>
        <translation>信道参数文件 %1 只有 %2 个数值，应有 4096 个。未调入任何数据。</translation>
    </message>
    <message>
        <source>Line %1 of the channel file %2 holds &quot;%3&quot;, which is not a number. Nothing was loaded.</source>
        <translation>信道参数文件 %2 第 %1 行的“%3”不是数字。未调入任何数据。</translation>
    </message>
    <message>
        <source>Line %1 of the channel file %2 holds the value %3, which lies outside 0 to 255. Nothing was loaded.</source>
        <translation>信道参数文件 %2 第 %1 行的数值 %3 超出 0 到 255 的范围。未调入任何数据。</translation>
    </message>
</context>
<context>
    <name>OptionsWindow</name>
    <message>
        <source>Optional Features</source>
        <translation>可选参数</translation>
    </message>
    <message>
        <source>Time Out Timer(TOT)[Min]</source>
        <translation>超时定时器(TOT)[分钟]</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>声控等级</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>静噪等级</translation>
    </message>
    <message>
        <source>Work Mode</source>
        <translation>工作模式</translation>
    </message>
    <message>
        <source>Frequncy</source>
        <comment>work mode</comment>
        <translation>频率模式</translation>
    </message>
    <message>
        <source> Channel</source>
        <translation> 信道模式</translation>
    </message>
    <message>
        <source>Only Channel Mode </source>
        <translation>仅工作在信道模式</translation>
    </message>
    <message>
        <source>Back Light</source>
        <translation>背光灯</translation>
    </message>
    <message>
        <source>Channel Disp Way</source>
        <translation>信道显示方式</translation>
    </message>
    <message>
        <source>Scans</source>
        <translation>扫描方式</translation>
    </message>
    <message>
        <source>Priority Channel</source>
        <translation>优先信道</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>电池省电</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>哔音</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Frequncy Mode</source>
        <translation>频率模式</translation>
    </message>
    <message>
        <source>RX Frequncy(MHZ)</source>
        <translation>接收频率(MHZ)</translation>
    </message>
    <message>
        <source>TX Frequncy(MHZ)</source>
        <translation>发射频率(MHZ)</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>解码</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>Step(KHZ)</source>
        <translation>步进频率(KHZ)</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>频差方向</translation>
    </message>
    <message>
        <source>Offset Frequncy(MHZ) </source>
        <translation>频差频率(MHZ)</translation>
    </message>
    <message>
        <source>Wide / Narrow</source>
        <translation>信道带宽</translation>
    </message>
    <message>
        <source>TX Power</source>
        <translation>发射功率</translation>
    </message>
    <message>
        <source>Frequncy Range</source>
        <translation>工作频率范围</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>按键点亮</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>持续点亮</translation>
    </message>
    <message>
        <source>Frequncy</source>
        <comment>channel display</comment>
        <translation>显示信道频率</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>显示信道名称</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>TO</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>CO</source>
        <translation>载波</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>减频</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>加频</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>窄带</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>宽带</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低功率</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高功率</translation>
    </message>
</context>
<context>
    <name>RadioFile</name>
    <message>
        <source>The radio text %1 cannot be opened: %2</source>
        <translation>无法打开对讲机文本 %1：%2</translation>
    </message>
    <message>
        <source>The radio text %1 is larger than 4 MiB, far more than a radio needs. Nothing was loaded.</source>
        <translation>对讲机文本 %1 大于 4 MiB，远超一台对讲机所需。未调入任何数据。</translation>
    </message>
    <message>
        <source>The radio text %1 was not loaded; correct these places in it:</source>
        <translation>对讲机文本 %1 未调入；请改正其中以下各处：</translation>
    </message>
    <message>
        <source>(%1 more not listed)</source>
        <translation>（另有 %1 处未列出）</translation>
    </message>
</context>
<context>
    <name>RadioText</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 至 %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a frequency; expected MHz such as 446.00625</source>
        <translation>“%1”不是频率；应为以 MHz 为单位的频率，例如 446.00625</translation>
    </message>
    <message>
        <source>%1 MHz is not on the radio&apos;s steps of %2 kHz</source>
        <translation>%1 MHz 不在对讲机 %2 kHz 的步进上</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a stored form; expected &quot;stored&quot; and %2 bytes in hex</source>
        <translation>“%1”不是存储形式；应为“stored”加 %2 个十六进制字节</translation>
    </message>
    <message>
        <source>the stored byte %1 holds bits the field does not; it holds %2</source>
        <translation>存储字节 %1 含有该项以外的位；该项只占 %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the list; expected %2</source>
        <translation>“%1”不在列表中；应为 %2</translation>
    </message>
    <message>
        <source>%1 MHz lies outside the frequency range, %2 to %3 MHz</source>
        <translation>%1 MHz 超出工作频率范围 %2 至 %3 MHz</translation>
    </message>
    <message>
        <source>the offset %1 MHz is above the largest the radio takes, %2 MHz</source>
        <translation>频差 %1 MHz 大于对讲机允许的最大值 %2 MHz</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no tone the radio has; expected OFF, a CTCSS tone such as 88.5, or a DCS code such as D023N (normal) or D023I (inverted)</source>
        <translation>“%1”不是对讲机具有的亚音；应为 OFF、CTCSS 亚音（例如 88.5）或 DCS 码（例如 D023N（正码）或 D023I（反码））</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; holds characters the radio lacks (%2); expected capital letters A to Z, digits 0 to 9, - and blanks</source>
        <translation>名称“%1”含有对讲机没有的字符（%2）；应为大写字母 A 至 Z、数字 0 至 9、- 和空格</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is longer than the radio&apos;s five characters</source>
        <translation>名称“%1”超过对讲机的五个字符</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a limit of the range; expected whole MHz from 0 to 999</source>
        <translation>“%1”不是范围的界限；应为 0 至 999 的整数 MHz</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an FM preset; expected 87.0 to 108.0 MHz in steps of 0.1 MHz, or none</source>
        <translation>“%1”不是收音机频道；应为 87.0 至 108.0 MHz、步进 0.1 MHz 的频率，或 none</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;; expected %2</source>
        <translation>未知的键“%1”；应为 %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice (first on line %2)</source>
        <translation>“%1”出现了两次（第一次在第 %2 行）</translation>
    </message>
    <message>
        <source>expected a single value after &quot;%1&quot;, not a list or a mapping</source>
        <translation>“%1”之后应为单个值，而不是列表或映射</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a memory format; expected 1 or 2</source>
        <translation>“%1”不是存储格式；应为 1 或 2</translation>
    </message>
    <message>
        <source>expected the fields of %1, one a line: %2</source>
        <translation>应为 %1 的各项，每行一项：%2</translation>
    </message>
    <message>
        <source>expected a channel: its fields one a line, the first as &quot;- number:&quot;</source>
        <translation>应为一个信道：每行一项，第一项为“- number:”</translation>
    </message>
    <message>
        <source>this channel has no number; expected &quot;number:&quot; with 1 to 128</source>
        <translation>该信道没有编号；应为“number:”加 1 至 128</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a channel number; expected 1 to 128</source>
        <translation>“%1”不是信道编号；应为 1 至 128</translation>
    </message>
    <message>
        <source>channel %1 is given twice (first on line %2)</source>
        <translation>信道 %1 出现了两次（第一次在第 %2 行）</translation>
    </message>
    <message>
        <source>channel %1 is not in use in the base, so it needs its rx frequency</source>
        <translation>信道 %1 在基础数据中未使用，因此需要给出其接收频率（rx）</translation>
    </message>
    <message>
        <source>a channel in use cannot hold FF in cell 1; leave the channel out to make it unused</source>
        <translation>使用中的信道的单元 1 不能为 FF；要使该信道不用，请删去该信道</translation>
    </message>
    <message>
        <source>expected a list of channels, each starting with &quot;- number:&quot;</source>
        <translation>应为信道列表，每个信道以“- number:”开头</translation>
    </message>
    <message>
        <source>expected block numbers, each with its bytes: &quot;5: -- -- 00 ...&quot;</source>
        <translation>应为数据块编号，各带其字节：“5: -- -- 00 ...”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a block; expected a block number from 0 to 255, or a run such as 131-249</source>
        <translation>“%1”不是数据块；应为 0 至 255 的数据块编号，或连续的一段，例如 131-249</translation>
    </message>
    <message>
        <source>&quot;%1&quot; are not the bytes of a block; expected 16 bytes in hex (or one for all 16), with -- for a byte that the fields above hold</source>
        <translation>“%1”不是一个数据块的字节；应为 16 个十六进制字节（或以一个代表全部 16 个），上面各项已包含的字节写作 --</translation>
    </message>
    <message>
        <source>block %1 is given twice (first on line %2)</source>
        <translation>数据块 %1 出现了两次（第一次在第 %2 行）</translation>
    </message>
    <message>
        <source>block %1 is channel %1, which the channels do not list, so its cell 1 must be FF (unused)</source>
        <translation>数据块 %1 即信道 %1，信道列表中没有它，因此其单元 1 必须为 FF（未使用）</translation>
    </message>
    <message>
        <source>expected the sections of a radio text: %1</source>
        <translation>应为对讲机文本的各部分：%1</translation>
    </message>
    <message>
        <source>this is not YAML: %1</source>
        <translation>这不是 YAML：%1</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>第 %1 行第 %2 列：%3</translation>
    </message>
    <message>
        <source>a second document begins here; a radio text holds one radio</source>
        <translation>第二个文档从这里开始；一个对讲机文本只含一台对讲机</translation>
    </message>
</context>
<context>
    <name>SaveFileDialog</name>
    <message>
        <source>Complete storing channel parameter.</source>
        <translation>信道参数保存完毕 ！</translation>
    </message>
    <message>
        <source>The channel file %1 could not be saved: %2
A file of that name already on disk is left as it was.</source>
        <translation>无法保存信道参数文件 %1：%2
磁盘上原有的同名文件保持不变。</translation>
    </message>
</context>
</TS>
