<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>FrequencyModeFrame</name>
    <message>
        <source>Over the range of TX frequency .</source>
        <translation>发射频率超出范围 ！</translation>
    </message>
    <message>
        <source>Over the range of RX frequency .</source>
        <translation>接收频率超出范围 ！</translation>
    </message>
    <message>
        <source>Over the range of Offset frequency .</source>
        <translation>频差频率超出范围 ！</translation>
    </message>
</context>
<context>
    <name>FrequencyRangeFrame</name>
    <message>
        <source>From</source>
        <translation>从</translation>
    </message>
    <message>
        <source>to</source>
        <translation>到</translation>
    </message>
    <message>
        <source>frequency of lower limit can&apos;t less than the lowest of work frequency. </source>
        <translation>下限频率不可小于本机最低工作频率</translation>
    </message>
    <message>
        <source>frequency of lower limit can&apos;t more than frequency of upper limit.</source>
        <translation>下限频率不可大于上限频率</translation>
    </message>
    <message>
        <source>frequency of upper limit can&apos;t more than the highest of work frequency. </source>
        <translation>上限频率不可大于本机最高工作频率</translation>
    </message>
    <message>
        <source>frequency of upper limit can&apos;t less than frequency of lower limit.</source>
        <translation>上限频率不可小于下限频率</translation>
    </message>
</context>
<context>
    <name>OptionsWindow</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
</TS>
