<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Form_Comm_Read</name>
    <message>
        <source>Read Data From Radio</source>
        <translation>从对讲机读取数据</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
</context>
<context>
    <name>Form_Comm_Write</name>
    <message>
        <source>Write Data to Radio</source>
        <translation>写数据到对讲机</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
</context>
<context>
    <name>LinkEngine</name>
    <message>
        <source>Read-write operating，don&apos;t close the window. ,</source>
        <translation>正在进行读写操作,请勿关窗口 ！,</translation>
    </message>
    <message>
        <source>Read-write operating with transceiver .</source>
        <translation>正在与对讲机进行读写操作 ！</translation>
    </message>
    <message>
        <source>Receiving or transmitting frequency that frequency Mode out of frequency limitation range </source>
        <translation>频率模式下的接收或发射频率超出频率限制范围</translation>
    </message>
    <message>
        <source>Channel %1that Receiving or transmitting frequency  out of frequency limitation range </source>
        <translation>信道 %1 中的接收或发射频率超出频率限制范围</translation>
    </message>
    <message>
        <source>Connecting with transceiver. </source>
        <translation>正在与对讲机联络 ！</translation>
    </message>
    <message>
        <source>Device %1: %2</source>
        <translation>设备 %1：%2</translation>
    </message>
    <message>
        <source>No serial device is present for COM%1.</source>
        <translation>COM%1 没有对应的串口设备。</translation>
    </message>
    <message>
        <source>Serial devices are open to members of the dialout group: run &quot;sudo usermod -aG dialout $USER&quot;, then log out and in again.</source>
        <translation>只有 dialout 组的成员才能打开串口设备：请运行 &quot;sudo usermod -aG dialout $USER&quot;，然后注销并重新登录。</translation>
    </message>
    <message>
        <source>Communication port is error, please setting right communication port . ！</source>
        <translation>通讯端口打开错误，请正确设置通讯端口 ！</translation>
    </message>
    <message>
        <source>The version of the software is different from the radio&apos;s，the parameter will be reset if continue，whether continue or not?</source>
        <translation>软件版本号与机器不一致，继续将初始化参数，是否继续？</translation>
    </message>
    <message>
        <source>Reading %1 Data Block</source>
        <translation>正在读取 %1 数据块</translation>
    </message>
    <message>
        <source>Writing  %1  Data Block</source>
        <translation>正在写入  %1  数据块</translation>
    </message>
    <message>
        <source>Read Data in gear. </source>
        <translation>数据读出正常 ！</translation>
    </message>
    <message>
        <source>Complete reading the data from transceiver.</source>
        <translation>从对讲机中读取数据完毕 ！</translation>
    </message>
    <message>
        <source>Complete writing Data to the transceiver.</source>
        <translation>向对讲机写入数据完毕 ！</translation>
    </message>
    <message>
        <source>Complete writing Data </source>
        <translation>数据写入完毕 ！</translation>
    </message>
    <message>
        <source>Fail connect with transceiver.</source>
        <translation>与对讲机联络失败 ！</translation>
    </message>
    <message>
        <source>Communication fault.</source>
        <translation>与对讲机通讯故障 ！</translation>
    </message>
    <message>
        <source>Write to radio</source>
        <translation>写入对讲机</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>初始化参数</translation>
    </message>
    <message>
        <source>Read from radio</source>
        <translation>从对讲机读取</translation>
    </message>
</context>
</TS>
