<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ChannelList</name>
    <message>
        <source>radio</source>
        <translation>对讲机</translation>
    </message>
    <message>
        <source>QV3N channel list: %1</source>
        <translation>QV3N 信道列表：%1</translation>
    </message>
    <message>
        <source>No channel is in use.</source>
        <translation>没有使用中的信道。</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>打印于 %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>The pages could not be laid out.</source>
        <translation>无法排版页面。</translation>
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
        <source>The PDF file %1 could not be written: %2</source>
        <translation>无法写入 PDF 文件 %1：%2</translation>
    </message>
    <message>
        <source>The channel list was exported to %1.</source>
        <translation>信道列表已导出到 %1。</translation>
    </message>
</context>
</TS>
