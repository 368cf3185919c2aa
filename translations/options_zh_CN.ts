<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>frm_option</name>
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
        <source>Save</source>
        <translation>电池省电</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>哔音</translation>
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
        <source>From</source>
        <translation>从</translation>
    </message>
    <message>
        <source>to</source>
        <translation>到</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Over the range of RX frequency .</source>
        <translation>接收频率超出范围 ！</translation>
    </message>
    <message>
        <source>Over the range of Offset frequency .</source>
        <translation>频差频率超出范围 ！</translation>
    </message>
    <message>
        <source>Over the range of TX frequency .</source>
        <translation>发射频率超出范围 ！</translation>
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
    <message>
        <source>Receiving or transmitting frequency that frequency Mode out of frequency limitation range </source>
        <translation>频率模式下的接收或发射频率超出频率限制范围</translation>
    </message>
    <message>
        <source>Channel %1that Receiving or transmitting frequency  out of frequency limitation range </source>
        <translation>信道 %1 中的接收或发射频率超出频率限制范围</translation>
    </message>
</context>
</TS>
