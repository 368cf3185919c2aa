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
</TS>
