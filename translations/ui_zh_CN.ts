<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>FolderView</name>
    <message>
        <source>The folder could not be opened in a file manager. It is:</source>
        <translation>无法用文件管理器打开该文件夹。它在：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Copy path</source>
        <translation>复制路径</translation>
    </message>
</context>
<context>
    <name>PathLabel</name>
    <message>
        <source>Copy path</source>
        <translation>复制路径</translation>
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
