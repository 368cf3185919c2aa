<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ChannelExchange</name>
    <message>
        <source>Import CSV</source>
        <translation>导入 CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV 文件 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>导出 CSV</translation>
    </message>
    <message>
        <source>Compare with file</source>
        <translation>与文件比较</translation>
    </message>
    <message>
        <source>The CSV file %1 could not be written: %2
A file of that name already on disk is left as it was.</source>
        <translation>CSV 文件 %1 无法写入：%2
磁盘上已有的同名文件保持原样。</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>导入 %1</translation>
    </message>
    <message>
        <source>The channels in use (%1) were exported to %2.</source>
        <translation>已将 %1 个在用信道导出到 %2。</translation>
    </message>
    <message>
        <source>Channel files (*.chann *.CHANN);;Radio text (*.yaml);;All files (*)</source>
        <translation>信道参数文件 (*.chann *.CHANN);;对讲机文本 (*.yaml);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Insert channel set</source>
        <translation>插入信道组</translation>
    </message>
    <message>
        <source>Insert %1</source>
        <translation>插入 %1</translation>
    </message>
</context>
<context>
    <name>ChannelFileDialog</name>
    <message>
        <source>Drive:</source>
        <translation>驱动器：</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确  定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取  消</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>The folder whose channel files are listed</source>
        <translation>列出其中信道参数文件的文件夹</translation>
    </message>
    <message>
        <source>Channel files</source>
        <translation>信道参数文件</translation>
    </message>
    <message>
        <source>A file picked here goes into the file name</source>
        <translation>在此选中的文件填入文件名</translation>
    </message>
    <message>
        <source>Channel file (*.chann)</source>
        <translation>信道参数文件 (*.chann)</translation>
    </message>
    <message>
        <source>Radio text (*.yaml)</source>
        <translation>对讲机文本 (*.yaml)</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>文件类型</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>What differs from the working copy to %1:</source>
        <translation>当前数据与 %1 的差别：</translation>
    </message>
</context>
<context>
    <name>CsvImportPreview</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>导入 CSV</translation>
    </message>
    <message>
        <source>Every row can be imported as it stands.</source>
        <translation>每一行都可以原样导入。</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>问题</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>拒绝</translation>
    </message>
    <message>
        <source>Adjusted</source>
        <translation>已调整</translation>
    </message>
    <message>
        <source>Import the other rows</source>
        <translation>导入其余各行</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Importing %1 replaces all 128 channels: every channel that no row gives becomes unused. The optional features, the frequency mode, the range and the FM presets stay as they are.</source>
        <translation>导入 %1 将取代全部 128 个信道：没有任何行给出的信道都将变为未使用。可选参数、频率模式、工作频率范围和收音机频道保持不变。</translation>
    </message>
    <message>
        <source>Rows: %1. Channels imported: %2 (in use now: %3). Rows left out: %4.</source>
        <translation>行数：%1。导入的信道：%2 个（目前在用：%3 个）。略去的行：%4 行。</translation>
    </message>
    <message>
        <source>Every row that is left out or changed is listed below.</source>
        <translation>被略去或被调整的每一行都列在下表中。</translation>
    </message>
    <message>
        <source>The first %1 problems are listed below, the number of the others after them.</source>
        <translation>下表列出前 %1 个问题，其余问题的数目列在表后。</translation>
    </message>
    <message>
        <source>Replace all channels</source>
        <translation>替换全部信道</translation>
    </message>
    <message>
        <source>Fill the empty channels (%1 of them)</source>
        <translation>填入空信道（共 %1 个）</translation>
    </message>
    <message>
        <source>Write from channel</source>
        <translation>从信道</translation>
    </message>
    <message>
        <source>First channel written</source>
        <translation>写入的第一个信道</translation>
    </message>
    <message>
        <source>Where the rows go</source>
        <translation>各行写入的位置</translation>
    </message>
    <message>
        <source>down, over what those channels hold</source>
        <translation>开始向下写入，覆盖这些信道原有的内容</translation>
    </message>
    <message>
        <source>Rows left out or changed</source>
        <translation>未导入或有改动的行</translation>
    </message>
    <message>
        <source>Importing %1 puts its rows in file order into the channels not in use, from channel 1 on; the channels in use stay as they are.</source>
        <translation>导入 %1 时按文件中的顺序把各行填入未用的信道（从信道 1 开始）；已用的信道保持不变。</translation>
    </message>
    <message>
        <source>Importing %1 writes its rows in file order from channel %2 down, over what those channels hold; the channels before it and after the last row stay as they are.</source>
        <translation>导入 %1 时按文件中的顺序从信道 %2 开始向下写入各行，覆盖这些信道原有的内容；此前的信道和最后一行之后的信道保持不变。</translation>
    </message>
    <message>
        <source>No channel changes.</source>
        <translation>没有信道会改变。</translation>
    </message>
    <message>
        <source>Channels that change (%1): %2.</source>
        <translation>将改变的信道（%1 个）：%2。</translation>
    </message>
</context>
<context>
    <name>OpenFileDialog</name>
    <message>
        <source>Open Channcle File</source>
        <translation>打开信道参数文件</translation>
    </message>
    <message>
        <source>Open File:</source>
        <translation>打开文件名：</translation>
    </message>
    <message>
        <source>Open the file name of channel parameter is nullity </source>
        <translation>打开信道参数文件名无效 </translation>
    </message>
    <message>
        <source>Nullity file suffix name of channel parameter.</source>
        <translation>无效的信道参数文件后缀名！</translation>
    </message>
    <message>
        <source>Succeed fold the channel parameter from file.</source>
        <translation>信道参数从文件调入成功 ！</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>打开 %1</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>The channel list could not be printed: the printer cannot be used.</source>
        <translation>无法打印信道列表：打印机不可用。</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>导出 PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>The channel list was exported to %1.</source>
        <translation>信道列表已导出到 %1。</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written: %2</source>
        <translation>无法写入 PDF 文件 %1：%2</translation>
    </message>
</context>
<context>
    <name>SaveFileDialog</name>
    <message>
        <source>Save Channel File</source>
        <translation>保存信道参数文件</translation>
    </message>
    <message>
        <source>Save File:</source>
        <translation>保存文件名：</translation>
    </message>
    <message>
        <source>Store the file name of channel parameter need is nullity. </source>
        <translation>保存信道参数所需要的文件名无效 </translation>
    </message>
    <message>
        <source>Advice don&apos;t modify file suffix name of system default ！</source>
        <translation>建议不要修改系统默认的文件后缀名！</translation>
    </message>
</context>
</TS>
