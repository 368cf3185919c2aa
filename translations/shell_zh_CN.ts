<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Form_type</name>
    <message>
        <location filename="../shell/Form_type.cpp" line="17" />
        <source>Model Select</source>
        <translation>机型选择</translation>
    </message>
    <message>
        <location filename="../shell/Form_type.cpp" line="18" />
        <source>Model</source>
        <translation>机  型</translation>
    </message>
    <message>
        <location filename="../shell/Form_type.cpp" line="19" />
        <source>Band</source>
        <translation>频  段</translation>
    </message>
    <message>
        <location filename="../shell/Form_type.cpp" line="20" />
        <source>Confirm</source>
        <translation>确 定</translation>
    </message>
    <message>
        <location filename="../shell/Form_type.cpp" line="21" />
        <source>Cancel</source>
        <translation>取 消</translation>
    </message>
</context>
<context>
    <name>MDImain</name>
    <message>
        <location filename="../shell/MDImain.cpp" line="183" />
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <location filename="../shell/MDImain.cpp" line="184" />
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <location filename="../shell/MDImain.cpp" line="185" />
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <location filename="../shell/MDImain.cpp" line="186" />
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <location filename="../shell/MDImain.cpp" line="187" />
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <location filename="../shell/MDImain.cpp" line="188" />
        <location filename="../shell/MDImain.cpp" line="202" />
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <location filename="../shell/MDImain.cpp" line="189" />
        <source>Model</source>
        <comment>menu at start-up</comment>
        <translation>机 型</translation>
    </message>
    <message>
        <location filename="../shell/MDImain.cpp" line="189" />
        <source>Model</source>
        <comment>menu</comment>
        <translation>机型</translation>
    </message>
    <message>
        <location filename="../shell/MDImain.cpp" line="190" />
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <location filename="../shell/MDImain.cpp" line="191" />
        <source>Channel Information </source>
        <translation>信道信息</translation>
    </message>
    <message>
        <location filename="../shell/MDImain.cpp" line="192" />
        <source>Optional Features</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <location filename="../shell/MDImain.cpp" line="193" />
        <source>Radio</source>
        <translation>收音机编辑</translation>
    </message>
    <message>
        <location filename="../shell/MDImain.cpp" line="194" />
        <source>Program</source>
        <translation>编程</translation>
    </message>
    <message>
        <location filename="../shell/MDImain.cpp" line="195" />
        <source>Read from radio</source>
        <translation>从对讲机读取数据</translation>
    </message>
    <message>
        <location filename="../shell/MDImain.cpp" line="196" />
        <source>Write to radio</source>
        <translation>向对讲机写入数据</translation>
    </message>
    <message>
        <location filename="../shell/MDImain.cpp" line="197" />
        <source>Communication</source>
        <translation>端口设置</translation>
    </message>
    <message>
        <location filename="../shell/MDImain.cpp" line="198" />
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <location filename="../shell/MDImain.cpp" line="201" />
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <location filename="../shell/MDImain.cpp" line="205" />
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <location filename="../shell/MDImain.cpp" line="208" />
        <source>  Version</source>
        <translation>软件版本</translation>
    </message>
    <message>
        <location filename="../shell/MDImain.cpp" line="209" />
        <source>Band</source>
        <comment>status bar at start-up</comment>
        <translation>频 段</translation>
    </message>
    <message>
        <location filename="../shell/MDImain.cpp" line="209" />
        <source>Band</source>
        <comment>status bar</comment>
        <translation>频段</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <location filename="../shell/Prompt.cpp" line="34" />
        <source>Operate Prompt</source>
        <translation>操作提示</translation>
    </message>
    <message>
        <location filename="../shell/Prompt.cpp" line="35" />
        <source>Operate prompt</source>
        <translation>操作提示</translation>
    </message>
</context>
</TS>