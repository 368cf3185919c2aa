<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Prompt</name>
    <message>
        <source>Operate Prompt</source>
        <translation>操作提示</translation>
    </message>
    <message>
        <source>Operate prompt</source>
        <translation>操作提示</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
</TS>
