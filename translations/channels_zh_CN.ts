<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>frm_chann</name>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Over the range of receive frequency .</source>
        <translation>接收频率超出范围 ！</translation>
    </message>
    <message>
        <source>Over the range of transmit frequency .</source>
        <translation>发射频率超出范围 ！</translation>
    </message>
    <message>
        <source>Please input the receive frequency in advance.</source>
        <translation>请先输入接收频率 ！</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>信道 %1</translation>
    </message>
</context>
</TS>
