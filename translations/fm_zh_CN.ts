<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Form_Edit_Test</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Over the range of FM frequency .</source>
        <translation>收音机频率超出范围 ！</translation>
    </message>
    <message>
        <source>Radio Channel %1</source>
        <translation>收音机频道 %1</translation>
    </message>
</context>
</TS>
