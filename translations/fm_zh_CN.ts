<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>FmPresetsWindow</name>
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
    <message>
        <source>The 16 FM broadcast presets; Enter or a click edits a frequency</source>
        <translation>16 个收音机频道；回车或单击可编辑频率</translation>
    </message>
    <message>
        <source>Preset frequency</source>
        <translation>频道频率</translation>
    </message>
    <message>
        <source>&amp;Edit preset</source>
        <translation>编辑预置(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Clear preset</source>
        <translation>清除预置(&amp;C)</translation>
    </message>
</context>
</TS>
