<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ChannelFileDialog</name>
    <message>
        <source>Drive:</source>
        <translation>驱动器：</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确  定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取  消</translation>
    </message>
</context>
<context>
    <name>Form_open_chann</name>
    <message>
        <source>Open Channcle File</source>
        <translation>打开信道参数文件</translation>
    </message>
    <message>
        <source>Open File:</source>
        <translation>打开文件名：</translation>
    </message>
    <message>
        <source>Open the file name of channel parameter is nullity </source>
        <translation>打开信道参数文件名无效 </translation>
    </message>
    <message>
        <source>Nullity file suffix name of channel parameter.</source>
        <translation>无效的信道参数文件后缀名！</translation>
    </message>
    <message>
        <source>Succeed fold the channel parameter from file.</source>
        <translation>信道参数从文件调入成功 ！</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>打开 %1</translation>
    </message>
</context>
<context>
    <name>Form_save_chann</name>
    <message>
        <source>Save Channel File</source>
        <translation>保存信道参数文件</translation>
    </message>
    <message>
        <source>Save File:</source>
        <translation>保存文件名：</translation>
    </message>
    <message>
        <source>Store the file name of channel parameter need is nullity. </source>
        <translation>保存信道参数所需要的文件名无效 </translation>
    </message>
    <message>
        <source>Advice don&apos;t modify file suffix name of system default ！</source>
        <translation>建议不要修改系统默认的文件后缀名！</translation>
    </message>
</context>
</TS>
