<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Form_setup</name>
    <message>
        <source>Communication Port Setup</source>
        <translation>通讯端口设置</translation>
    </message>
    <message>
        <source>Port Setup</source>
        <translation>端口设置</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确 定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取 消</translation>
    </message>
    <message>
        <source>(no device present)</source>
        <translation>（无设备）</translation>
    </message>
</context>
<context>
    <name>Form_type</name>
    <message>
        <source>Model Select</source>
        <translation>机型选择</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>机  型</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>频  段</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确 定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取 消</translation>
    </message>
</context>
<context>
    <name>MDImain</name>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Model</source>
        <comment>menu at start-up</comment>
        <translation>机 型</translation>
    </message>
    <message>
        <source>Model</source>
        <comment>menu</comment>
        <translation>机型</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Channel Information </source>
        <translation>信道信息</translation>
    </message>
    <message>
        <source>Optional Features</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>收音机编辑</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>编程</translation>
    </message>
    <message>
        <source>Read from radio</source>
        <translation>从对讲机读取数据</translation>
    </message>
    <message>
        <source>Write to radio</source>
        <translation>向对讲机写入数据</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>端口设置</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>  Version</source>
        <translation>软件版本</translation>
    </message>
    <message>
        <source>Band</source>
        <comment>status bar at start-up</comment>
        <translation>频 段</translation>
    </message>
    <message>
        <source>Band</source>
        <comment>status bar</comment>
        <translation>频段</translation>
    </message>
</context>
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
</context>
</TS>
