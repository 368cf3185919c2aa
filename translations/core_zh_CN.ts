<?xml version="1.0" encoding="utf-8"?>
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
    <name>ImageSummary</name>
    <message>
        <source>%1 (not in the list)</source>
        <translation>%1（不在列表中）</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>%1 to %2 MHz</source>
        <translation>%1 到 %2 MHz</translation>
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
</TS>
