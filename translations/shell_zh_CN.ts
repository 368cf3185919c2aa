<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>打开(&amp;O)…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>另存为(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;Recent files</source>
        <translation>最近的文件(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Import CSV…</source>
        <translation>导入 CSV(&amp;I)…</translation>
    </message>
    <message>
        <source>Insert c&amp;hannel set</source>
        <translation>插入信道组(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>导出 CSV(&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;Compare with file…</source>
        <translation>与文件比较(&amp;C)…</translation>
    </message>
    <message>
        <source>Compare with ra&amp;dio…</source>
        <translation>与对讲机比较(&amp;D)…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>打印(&amp;P)…</translation>
    </message>
    <message>
        <source>Export PD&amp;F…</source>
        <translation>导出 PDF(&amp;F)…</translation>
    </message>
    <message>
        <source>Open &amp;Backups Folder</source>
        <translation>打开备份文件夹(&amp;B)</translation>
    </message>
    <message>
        <source>Res&amp;tore from Backup…</source>
        <translation>从备份恢复(&amp;T)…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <comment>menu at start-up</comment>
        <translation>机型(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <comment>menu</comment>
        <translation>机型(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>C&amp;hannel Information </source>
        <translation>信道信息(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Optional Features</source>
        <translation>可选功能(&amp;O)</translation>
    </message>
    <message>
        <source>R&amp;adio</source>
        <translation>收音机编辑(&amp;A)</translation>
    </message>
    <message>
        <source>Find duplicate channe&amp;ls</source>
        <translation>查找重复信道(&amp;L)</translation>
    </message>
    <message>
        <source>Chec&amp;k against a plan…</source>
        <translation>按频率规划检查(&amp;K)…</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>编程(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Read from radio</source>
        <translation>从对讲机读取数据(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Write to radio</source>
        <translation>向对讲机写入数据(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Communication</source>
        <translation>端口设置(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Opens a channel file</source>
        <translation>打开信道参数文件</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Saves the radio data to a channel file</source>
        <translation>将对讲机数据保存到信道参数文件</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Shows the channel table</source>
        <translation>显示信道表</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Reads the radio&apos;s data</source>
        <translation>读取对讲机数据</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>Writes the data to the radio</source>
        <translation>将数据写入对讲机</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>退出程序</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>撤销 %1(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>重做 %1(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Fleet programming…</source>
        <translation>批量编程(&amp;F)…</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>  Version</source>
        <translation>软件版本</translation>
    </message>
    <message>
        <source>Band</source>
        <comment>status bar at start-up</comment>
        <translation>频 段</translation>
    </message>
    <message>
        <source>Band</source>
        <comment>status bar</comment>
        <translation>频段</translation>
    </message>
    <message>
        <source>The radio data has changed since it was last loaded or saved. Save the changes before the program closes?</source>
        <translation>对讲机数据在上次调入或保存之后已被修改。退出程序前是否保存修改？</translation>
    </message>
    <message>
        <source>Save opens the save dialog; the program stays open.</source>
        <translation>选择“保存”将打开保存对话框，程序不退出。</translation>
    </message>
    <message>
        <source>The radio data has changed since it was last loaded or saved. Save the changes before starting anew?</source>
        <translation>对讲机数据在上次调入或保存之后已被修改。新建前是否保存修改？</translation>
    </message>
    <message>
        <source>Save opens the save dialog; the data stays as it is.</source>
        <translation>选择“保存”将打开保存对话框，数据保持不变。</translation>
    </message>
    <message>
        <source>The radio data has changed since it was last loaded or saved. Save the changes before another file is loaded?</source>
        <translation>对讲机数据在上次调入或保存之后已被修改。调入其他文件前是否保存修改？</translation>
    </message>
    <message>
        <source>Save opens the save dialog; the file is not loaded.</source>
        <translation>选择“保存”将打开保存对话框，文件不被调入。</translation>
    </message>
    <message>
        <source>Save writes them to %1.</source>
        <translation>选择“保存”将修改写入 %1。</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>question button</comment>
        <translation>保存</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>不保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>%1 - %2[*]</source>
        <translation>%1 - %2[*]</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（无）</translation>
    </message>
    <message>
        <source>The radio data has changed since it was last loaded or saved. Save the changes before the radio&apos;s data is read over them?</source>
        <translation>对讲机数据在上次调入或保存之后已被修改。读取对讲机数据前是否保存修改？</translation>
    </message>
    <message>
        <source>Save opens the save dialog; the radio is not read.</source>
        <translation>选择“保存”将打开保存对话框，不读取对讲机。</translation>
    </message>
    <message>
        <source>No font that covers Chinese is installed, so the program starts in English. Install %1 to see it in Chinese.</source>
        <translation>没有安装能显示中文的字体，所以程序以英文启动。安装 %1 后即可显示中文。</translation>
    </message>
    <message>
        <source>This control has no help of its own; the window&apos;s Help button says what the window does.</source>
        <translation>此控件没有单独的帮助；窗口的“帮助”按钮说明窗口的用途。</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>ModelDialog</name>
    <message>
        <source>Model Select</source>
        <translation>机型选择</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>机  型</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>频  段</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确 定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取 消</translation>
    </message>
</context>
<context>
    <name>PortSetupDialog</name>
    <message>
        <source>Communication Port Setup</source>
        <translation>通讯端口设置</translation>
    </message>
    <message>
        <source>Port Setup</source>
        <translation>端口设置</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确 定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取 消</translation>
    </message>
</context>
<context>
    <name>StartArguments</name>
    <message>
        <source>Run &quot;qv3n --help&quot; for help.</source>
        <translation>运行“qv3n --help”查看帮助。</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>未知选项 %1。</translation>
    </message>
    <message>
        <source>Only one channel file can be opened at start-up, not %1.</source>
        <translation>启动时只能打开一个信道参数文件，而不是 %1 个。</translation>
    </message>
    <message>
        <source>Usage: qv3n [FILE]

Programming software for QV3N handheld radios: reads the radio&apos;s memory through a
programming cable, edits its 128 channels, its settings, the frequency mode, the
frequency range and the FM presets, keeps them in channel files (.chann) or as
readable radio texts (.yaml), prints channel lists and writes the memory back, in
Chinese and English. FILE, a channel file or a radio text, when given, is opened
at start-up.

Options:
  -h, --help            show this help and exit
  --version             show the program&apos;s name and version and exit

Qt&apos;s own options, such as -platform, -style and -reverse, are taken as well.

Environment:
  QV3N_COM1 ... QV3N_COM8
                        the serial device that COM1 ... COM8 stand for
                        (otherwise the serial devices present, USB adapters
                        first, each group by name)
</source>
        <translation>用法：qv3n [文件]

QV3N 系列对讲机编程软件：通过编程线读取对讲机的存储器，编辑其 128 个信道、
可选功能、频率模式、工作频率范围和 FM 收音预置台，保存为信道参数文件
（.chann）或可读的对讲机文本（.yaml），打印信道列表，再把存储器写回对讲机；
界面有中文和英文。给出文件（信道参数文件或对讲机文本）时，启动后即打开该
文件。

选项：
  -h, --help            显示本帮助后退出
  --version             显示程序名称和版本后退出

也接受 Qt 自身的选项，例如 -platform、-style 和 -reverse。

环境变量：
  QV3N_COM1 ... QV3N_COM8
                        COM1 ... COM8 所代表的串口设备（未设置时为现有的串口
                        设备，USB 转换器在前，各组按名称排序）
</translation>
    </message>
</context>
</TS>
