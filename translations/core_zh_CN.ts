<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ChannelRecord</name>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>宽带</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>窄带</translation>
    </message>
</context>
<context>
    <name>Form_Edit_Test</name>
    <message>
        <source>Radio Frequency</source>
        <translation>收音机编辑</translation>
    </message>
    <message>
        <source>^Radio Channel |^ Frequency (MHZ)</source>
        <translation>^收  音  频  道 |^    频      率  (MHZ) </translation>
    </message>
</context>
<context>
    <name>Form_open_chann</name>
    <message>
        <source>The channel file %1 cannot be opened: %2</source>
        <translation>无法打开信道参数文件 %1：%2</translation>
    </message>
    <message>
        <source>The channel file %1 holds only %2 of the 4096 values it must hold. Nothing was loaded.</source>
        <translation>信道参数文件 %1 只有 %2 个数值，应有 4096 个。未调入任何数据。</translation>
    </message>
    <message>
        <source>Line %1 of the channel file %2 holds "%3", which is not a number. Nothing was loaded.</source>
        <translation>信道参数文件 %2 第 %1 行的“%3”不是数字。未调入任何数据。</translation>
    </message>
    <message>
        <source>Line %1 of the channel file %2 holds the value %3, which lies outside 0 to 255. Nothing was loaded.</source>
        <translation>信道参数文件 %2 第 %1 行的数值 %3 超出 0 到 255 的范围。未调入任何数据。</translation>
    </message>
</context>
<context>
    <name>Form_save_chann</name>
    <message>
        <source>Complete storing channel parameter.</source>
        <translation>信道参数保存完毕 ！</translation>
    </message>
    <message>
        <source>The channel file %1 could not be saved: %2
A file of that name already on disk is left as it was.</source>
        <translation>无法保存信道参数文件 %1：%2
磁盘上原有的同名文件保持不变。</translation>
    </message>
</context>
<context>
    <name>LinkEngine</name>
    <message>
        <source>Receiving or transmitting frequency that frequency Mode out of frequency limitation range </source>
        <translation>频率模式下的接收或发射频率超出频率限制范围</translation>
    </message>
    <message>
        <source>Channel %1that Receiving or transmitting frequency  out of frequency limitation range </source>
        <translation>信道 %1 中的接收或发射频率超出频率限制范围</translation>
    </message>
</context>
<context>
    <name>Maker</name>
    <message>
        <source>Quillmere Radio Workshop</source>
        <translation>羽湖无线电工坊</translation>
    </message>
    <message>
        <source>%1 QV3N series program software </source>
        <translation>%1  QV3N 系列对讲机编程软件 </translation>
    </message>
    <message>
        <source>Quillmere Radio Workshop QV3N series program software. </source>
        <translation>QV3N 系列对讲机编程软件</translation>
    </message>
    <message>
        <source>  Copyright (C) Quillmere Radio Workshop. All rights reserved.</source>
        <translation>  羽湖无线电工坊 版权所有</translation>
    </message>
    <message>
        <source>    This software was designed and developed by Quillmere Radio Workshop.</source>
        <translation>    本软件由羽湖无线电工坊设计开发</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law. Unauthorised copying or distribution of this program, or of any part of it, will be prosecuted to the full extent of the law.</source>
        <translation>警告：本程序受著作权法保护。未经授权复制或分发本程序或其任何部分，将依法追究法律责任。</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>System Information(&amp;S)...</source>
        <translation>系统信息(&amp;S)...</translation>
    </message>
</context>
<context>
    <name>frm_chann</name>
    <message>
        <source>Channel Information</source>
        <translation>信道参数编辑</translation>
    </message>
    <message>
        <source>^ Channel |^RX Frequency|^TX Frequency|^CTCSS/DCS Dec|^CTCSS/DCS Enc|^ TX Power |^  W/N  |^  Name  </source>
        <translation>^ 信道号 |^接收频率(MHZ)|^发射频率(MHZ)|^QT/DQT 解码|^QT/DQT 编码|^发射功率|^信道带宽|^信道名称</translation>
    </message>
</context>
<context>
    <name>frm_option</name>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>按键点亮</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>持续点亮</translation>
    </message>
    <message>
        <source>Frequncy</source>
        <comment>channel display</comment>
        <translation>显示信道频率</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>显示信道名称</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>TO</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>CO</source>
        <translation>载波</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>减频</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>加频</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>窄带</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>宽带</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低功率</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高功率</translation>
    </message>
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
</context>
</TS>