{
    "format": "membercard-report",
    "version": 1,
    "title": "会员档案详表",
    "page": {
        "width": 210.0,
        "height": 297.0,
        "landscape": false,
        "margins": [
            10,
            10,
            10,
            10
        ]
    },
    "variables": {
        "category": "自定义变量",
        "items": [
            {
                "name": "sCurKHname",
                "value": ""
            },
            {
                "name": "memoDate",
                "value": ""
            },
            {
                "name": "memoCaption",
                "value": ""
            }
        ]
    },
    "bands": [
        {
            "name": "ReportTitle1",
            "kind": "reportTitle",
            "height": 12,
            "objects": [
                {
                    "name": "Text1",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        0.0,
                        190.0,
                        10.0
                    ],
                    "text": "会员档案详表",
                    "font": {
                        "family": "黑体",
                        "size": 16,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1
                }
            ]
        },
        {
            "name": "MasterData1",
            "kind": "masterData",
            "height": 84.5,
            "objects": [
                {
                    "name": "Text2",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        0.0,
                        20.0,
                        6.5
                    ],
                    "text": "会员卡号：",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text3",
                    "kind": "text",
                    "geometry": [
                        20.0,
                        0.0,
                        57.5,
                        6.5
                    ],
                    "text": "[frxMain.\"F_hycode\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15
                },
                {
                    "name": "Text4",
                    "kind": "text",
                    "geometry": [
                        77.5,
                        0.0,
                        20.0,
                        6.5
                    ],
                    "text": "姓    名：",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text5",
                    "kind": "text",
                    "geometry": [
                        97.5,
                        0.0,
                        57.5,
                        6.5
                    ],
                    "text": "[frxMain.\"F_name\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15
                },
                {
                    "name": "Text6",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        6.5,
                        20.0,
                        6.5
                    ],
                    "text": "性    别：",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text7",
                    "kind": "text",
                    "geometry": [
                        20.0,
                        6.5,
                        57.5,
                        6.5
                    ],
                    "text": "[frxMain.\"F_sex\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15
                },
                {
                    "name": "Text8",
                    "kind": "text",
                    "geometry": [
                        77.5,
                        6.5,
                        20.0,
                        6.5
                    ],
                    "text": "出生日期：",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text9",
                    "kind": "text",
                    "geometry": [
                        97.5,
                        6.5,
                        57.5,
                        6.5
                    ],
                    "text": "[frxMain.\"F_birthday\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": "yyyy-MM-dd"
                },
                {
                    "name": "Text10",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        13.0,
                        20.0,
                        6.5
                    ],
                    "text": "手    机：",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text11",
                    "kind": "text",
                    "geometry": [
                        20.0,
                        13.0,
                        57.5,
                        6.5
                    ],
                    "text": "[frxMain.\"F_movephone\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15
                },
                {
                    "name": "Text12",
                    "kind": "text",
                    "geometry": [
                        77.5,
                        13.0,
                        20.0,
                        6.5
                    ],
                    "text": "电    话：",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text13",
                    "kind": "text",
                    "geometry": [
                        97.5,
                        13.0,
                        57.5,
                        6.5
                    ],
                    "text": "[frxMain.\"F_homephone\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15
                },
                {
                    "name": "Text14",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        19.5,
                        20.0,
                        6.5
                    ],
                    "text": "会员级别：",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text15",
                    "kind": "text",
                    "geometry": [
                        20.0,
                        19.5,
                        57.5,
                        6.5
                    ],
                    "text": "[frxMain.\"F_jibie\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15
                },
                {
                    "name": "Text16",
                    "kind": "text",
                    "geometry": [
                        77.5,
                        19.5,
                        20.0,
                        6.5
                    ],
                    "text": "卡 类 型：",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text17",
                    "kind": "text",
                    "geometry": [
                        97.5,
                        19.5,
                        57.5,
                        6.5
                    ],
                    "text": "[frxMain.\"F_IFnew\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": "map:0=折扣卡;1=储值卡;2=计次卡;3=升级卡"
                },
                {
                    "name": "Text18",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        26.0,
                        20.0,
                        6.5
                    ],
                    "text": "会员折扣：",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text19",
                    "kind": "text",
                    "geometry": [
                        20.0,
                        26.0,
                        57.5,
                        6.5
                    ],
                    "text": "[frxMain.\"F_rate\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": ",0.##;-,0.##"
                },
                {
                    "name": "Text20",
                    "kind": "text",
                    "geometry": [
                        77.5,
                        26.0,
                        20.0,
                        6.5
                    ],
                    "text": "会员状态：",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text21",
                    "kind": "text",
                    "geometry": [
                        97.5,
                        26.0,
                        57.5,
                        6.5
                    ],
                    "text": "[frxMain.\"F_HYstatus\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15
                },
                {
                    "name": "Text22",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        32.5,
                        20.0,
                        6.5
                    ],
                    "text": "办卡日期：",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text23",
                    "kind": "text",
                    "geometry": [
                        20.0,
                        32.5,
                        57.5,
                        6.5
                    ],
                    "text": "[frxMain.\"F_fromDate\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": "yyyy-MM-dd"
                },
                {
                    "name": "Text24",
                    "kind": "text",
                    "geometry": [
                        77.5,
                        32.5,
                        20.0,
                        6.5
                    ],
                    "text": "到期日期：",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text25",
                    "kind": "text",
                    "geometry": [
                        97.5,
                        32.5,
                        57.5,
                        6.5
                    ],
                    "text": "[frxMain.\"F_toDate\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": "yyyy-MM-dd"
                },
                {
                    "name": "Text26",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        39.0,
                        20.0,
                        6.5
                    ],
                    "text": "卡内余额：",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text27",
                    "kind": "text",
                    "geometry": [
                        20.0,
                        39.0,
                        57.5,
                        6.5
                    ],
                    "text": "[frxMain.\"F_beginJE\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": "￥,0.00##;-￥,0.00##"
                },
                {
                    "name": "Text28",
                    "kind": "text",
                    "geometry": [
                        77.5,
                        39.0,
                        20.0,
                        6.5
                    ],
                    "text": "会员积分：",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text29",
                    "kind": "text",
                    "geometry": [
                        97.5,
                        39.0,
                        57.5,
                        6.5
                    ],
                    "text": "[frxMain.\"F_hyJF\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": ",0.##;-,0.##"
                },
                {
                    "name": "Text30",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        45.5,
                        20.0,
                        6.5
                    ],
                    "text": "累计消费：",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text31",
                    "kind": "text",
                    "geometry": [
                        20.0,
                        45.5,
                        57.5,
                        6.5
                    ],
                    "text": "[frxMain.\"F_hyXF\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": "￥,0.00##;-￥,0.00##"
                },
                {
                    "name": "Text32",
                    "kind": "text",
                    "geometry": [
                        77.5,
                        45.5,
                        20.0,
                        6.5
                    ],
                    "text": "优惠方式：",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text33",
                    "kind": "text",
                    "geometry": [
                        97.5,
                        45.5,
                        57.5,
                        6.5
                    ],
                    "text": "[frxMain.\"F_YHtype\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15
                },
                {
                    "name": "Text34",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        52.0,
                        20.0,
                        6.5
                    ],
                    "text": "证件名称：",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text35",
                    "kind": "text",
                    "geometry": [
                        20.0,
                        52.0,
                        57.5,
                        6.5
                    ],
                    "text": "[frxMain.\"F_ZJname\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15
                },
                {
                    "name": "Text36",
                    "kind": "text",
                    "geometry": [
                        77.5,
                        52.0,
                        20.0,
                        6.5
                    ],
                    "text": "证件号码：",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text37",
                    "kind": "text",
                    "geometry": [
                        97.5,
                        52.0,
                        57.5,
                        6.5
                    ],
                    "text": "[frxMain.\"F_ZJcode\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15
                },
                {
                    "name": "Text38",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        58.5,
                        20.0,
                        6.5
                    ],
                    "text": "民    族：",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text39",
                    "kind": "text",
                    "geometry": [
                        20.0,
                        58.5,
                        57.5,
                        6.5
                    ],
                    "text": "[frxMain.\"F_minzu\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15
                },
                {
                    "name": "Text40",
                    "kind": "text",
                    "geometry": [
                        77.5,
                        58.5,
                        20.0,
                        6.5
                    ],
                    "text": "电子信箱：",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text41",
                    "kind": "text",
                    "geometry": [
                        97.5,
                        58.5,
                        57.5,
                        6.5
                    ],
                    "text": "[frxMain.\"F_email\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15
                },
                {
                    "name": "Text42",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        65.0,
                        20.0,
                        6.5
                    ],
                    "text": "单位名称：",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text43",
                    "kind": "text",
                    "geometry": [
                        20.0,
                        65.0,
                        57.5,
                        6.5
                    ],
                    "text": "[frxMain.\"F_unit\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15
                },
                {
                    "name": "Text44",
                    "kind": "text",
                    "geometry": [
                        77.5,
                        65.0,
                        20.0,
                        6.5
                    ],
                    "text": "邮    编：",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text45",
                    "kind": "text",
                    "geometry": [
                        97.5,
                        65.0,
                        57.5,
                        6.5
                    ],
                    "text": "[frxMain.\"F_postcode\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15
                },
                {
                    "name": "Text46",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        71.5,
                        20.0,
                        6.5
                    ],
                    "text": "居住地址：",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text47",
                    "kind": "text",
                    "geometry": [
                        20.0,
                        71.5,
                        135.0,
                        6.5
                    ],
                    "text": "[frxMain.\"F_address\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15
                },
                {
                    "name": "Text48",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        78.0,
                        20.0,
                        6.5
                    ],
                    "text": "备    注：",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text49",
                    "kind": "text",
                    "geometry": [
                        20.0,
                        78.0,
                        135.0,
                        6.5
                    ],
                    "text": "[frxMain.\"F_mem\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Photo1",
                    "kind": "fieldPicture",
                    "geometry": [
                        158.0,
                        0.0,
                        32.0,
                        40.0
                    ],
                    "text": "[frxMain.\"F_empImage\"]",
                    "frame": 15,
                    "frameWidth": 0.2
                }
            ],
            "dataSet": "frxMain",
            "currentRecordOnly": true
        },
        {
            "name": "ColumnHeader2",
            "kind": "columnHeader",
            "height": 13.5,
            "objects": [
                {
                    "name": "Text50",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        0.0,
                        190.0,
                        7.0
                    ],
                    "text": "消费记录",
                    "font": {
                        "family": "黑体",
                        "size": 10.5,
                        "bold": true
                    },
                    "vAlign": 2
                },
                {
                    "name": "Text51",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        7.5,
                        30.0,
                        6.0
                    ],
                    "text": "单号",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text54",
                    "kind": "text",
                    "geometry": [
                        30.0,
                        7.5,
                        36.0,
                        6.0
                    ],
                    "text": "消费日期",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text57",
                    "kind": "text",
                    "geometry": [
                        66.0,
                        7.5,
                        20.0,
                        6.0
                    ],
                    "text": "营业员",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text60",
                    "kind": "text",
                    "geometry": [
                        86.0,
                        7.5,
                        18.0,
                        6.0
                    ],
                    "text": "积分",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text63",
                    "kind": "text",
                    "geometry": [
                        104.0,
                        7.5,
                        26.0,
                        6.0
                    ],
                    "text": "消费金额",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text66",
                    "kind": "text",
                    "geometry": [
                        130.0,
                        7.5,
                        60.0,
                        6.0
                    ],
                    "text": "备注",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                }
            ]
        },
        {
            "name": "MasterData2",
            "kind": "masterData",
            "height": 5.5,
            "objects": [
                {
                    "name": "Text52",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        0.0,
                        30.0,
                        5.5
                    ],
                    "text": "[frxDetail1.\"F_Code\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text55",
                    "kind": "text",
                    "geometry": [
                        30.0,
                        0.0,
                        36.0,
                        5.5
                    ],
                    "text": "[frxDetail1.\"F_Date\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": "yyyy-MM-dd hh:nn:ss",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text58",
                    "kind": "text",
                    "geometry": [
                        66.0,
                        0.0,
                        20.0,
                        5.5
                    ],
                    "text": "[frxDetail1.\"F_empName\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text61",
                    "kind": "text",
                    "geometry": [
                        86.0,
                        0.0,
                        18.0,
                        5.5
                    ],
                    "text": "[frxDetail1.\"F_hyJF\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": ",0.##;-,0.##",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text64",
                    "kind": "text",
                    "geometry": [
                        104.0,
                        0.0,
                        26.0,
                        5.5
                    ],
                    "text": "[frxDetail1.\"F_totalprice\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": "￥,0.00;-￥,0.00",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text67",
                    "kind": "text",
                    "geometry": [
                        130.0,
                        0.0,
                        60.0,
                        5.5
                    ],
                    "text": "[frxDetail1.\"F_mem\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                }
            ],
            "dataSet": "frxDetail1"
        },
        {
            "name": "DetailData1",
            "kind": "detailData",
            "height": 5,
            "objects": [
                {
                    "name": "Text69",
                    "kind": "text",
                    "geometry": [
                        8.0,
                        0.0,
                        40.0,
                        5.0
                    ],
                    "text": "[frxDetail2.\"F_GoodName\"]",
                    "font": {
                        "family": "宋体",
                        "size": 8
                    },
                    "vAlign": 1,
                    "canGrow": true
                },
                {
                    "name": "Text70",
                    "kind": "text",
                    "geometry": [
                        50.0,
                        0.0,
                        30.0,
                        5.0
                    ],
                    "text": "[frxDetail2.\"F_Spec\"]",
                    "font": {
                        "family": "宋体",
                        "size": 8
                    },
                    "vAlign": 1
                },
                {
                    "name": "Text71",
                    "kind": "text",
                    "geometry": [
                        82.0,
                        0.0,
                        20.0,
                        5.0
                    ],
                    "text": "[frxDetail2.\"F_Amount\"] [frxDetail2.\"F_Unit\"]",
                    "font": {
                        "family": "宋体",
                        "size": 8
                    },
                    "hAlign": 2,
                    "vAlign": 1
                },
                {
                    "name": "Text72",
                    "kind": "text",
                    "geometry": [
                        104.0,
                        0.0,
                        26.0,
                        5.0
                    ],
                    "text": "[frxDetail2.\"F_Price\"]",
                    "font": {
                        "family": "宋体",
                        "size": 8
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "displayFormat": "￥,0.00##;-￥,0.00##"
                },
                {
                    "name": "Text73",
                    "kind": "text",
                    "geometry": [
                        132.0,
                        0.0,
                        16.0,
                        5.0
                    ],
                    "text": "[frxDetail2.\"F_Rate\"]",
                    "font": {
                        "family": "宋体",
                        "size": 8
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "displayFormat": ",0.##;-,0.##"
                },
                {
                    "name": "Text74",
                    "kind": "text",
                    "geometry": [
                        150.0,
                        0.0,
                        30.0,
                        5.0
                    ],
                    "text": "[frxDetail2.\"F_TotalPrice\"]",
                    "font": {
                        "family": "宋体",
                        "size": 8
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "displayFormat": "￥,0.00##;-￥,0.00##"
                }
            ],
            "dataSet": "frxDetail2",
            "masterField": "F_Code",
            "detailField": "F_Code"
        },
        {
            "name": "ColumnFooter2",
            "kind": "columnFooter",
            "height": 6,
            "objects": [
                {
                    "name": "Text53",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        0.0,
                        30.0,
                        6.0
                    ],
                    "text": "合计（共 [COUNT(frxDetail1)] 条）",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text56",
                    "kind": "text",
                    "geometry": [
                        30.0,
                        0.0,
                        36.0,
                        6.0
                    ],
                    "text": "",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text59",
                    "kind": "text",
                    "geometry": [
                        66.0,
                        0.0,
                        20.0,
                        6.0
                    ],
                    "text": "",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text62",
                    "kind": "text",
                    "geometry": [
                        86.0,
                        0.0,
                        18.0,
                        6.0
                    ],
                    "text": "[SUM(frxDetail1.\"F_hyJF\")]",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": ",0.##;-,0.##",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text65",
                    "kind": "text",
                    "geometry": [
                        104.0,
                        0.0,
                        26.0,
                        6.0
                    ],
                    "text": "[SUM(frxDetail1.\"F_totalprice\")]",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": "￥,0.00;-￥,0.00",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text68",
                    "kind": "text",
                    "geometry": [
                        130.0,
                        0.0,
                        60.0,
                        6.0
                    ],
                    "text": "",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                }
            ]
        },
        {
            "name": "ColumnHeader3",
            "kind": "columnHeader",
            "height": 13.5,
            "objects": [
                {
                    "name": "Text75",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        0.0,
                        190.0,
                        7.0
                    ],
                    "text": "积分兑换记录",
                    "font": {
                        "family": "黑体",
                        "size": 10.5,
                        "bold": true
                    },
                    "vAlign": 2
                },
                {
                    "name": "Text76",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        7.5,
                        30.0,
                        6.0
                    ],
                    "text": "单号",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text79",
                    "kind": "text",
                    "geometry": [
                        30.0,
                        7.5,
                        36.0,
                        6.0
                    ],
                    "text": "兑换日期",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text82",
                    "kind": "text",
                    "geometry": [
                        66.0,
                        7.5,
                        20.0,
                        6.0
                    ],
                    "text": "营业员",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text85",
                    "kind": "text",
                    "geometry": [
                        86.0,
                        7.5,
                        18.0,
                        6.0
                    ],
                    "text": "积分",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text88",
                    "kind": "text",
                    "geometry": [
                        104.0,
                        7.5,
                        86.0,
                        6.0
                    ],
                    "text": "备注",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                }
            ]
        },
        {
            "name": "MasterData3",
            "kind": "masterData",
            "height": 5.5,
            "objects": [
                {
                    "name": "Text77",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        0.0,
                        30.0,
                        5.5
                    ],
                    "text": "[frxDetail3.\"F_Code\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text80",
                    "kind": "text",
                    "geometry": [
                        30.0,
                        0.0,
                        36.0,
                        5.5
                    ],
                    "text": "[frxDetail3.\"F_Date\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": "yyyy-MM-dd hh:nn:ss",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text83",
                    "kind": "text",
                    "geometry": [
                        66.0,
                        0.0,
                        20.0,
                        5.5
                    ],
                    "text": "[frxDetail3.\"F_empName\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text86",
                    "kind": "text",
                    "geometry": [
                        86.0,
                        0.0,
                        18.0,
                        5.5
                    ],
                    "text": "[frxDetail3.\"F_hyJF\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": ",0.##;-,0.##",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text89",
                    "kind": "text",
                    "geometry": [
                        104.0,
                        0.0,
                        86.0,
                        5.5
                    ],
                    "text": "[frxDetail3.\"F_mem\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                }
            ],
            "dataSet": "frxDetail3"
        },
        {
            "name": "DetailData2",
            "kind": "detailData",
            "height": 5,
            "objects": [
                {
                    "name": "Text91",
                    "kind": "text",
                    "geometry": [
                        8.0,
                        0.0,
                        60.0,
                        5.0
                    ],
                    "text": "[frxDetail4.\"F_GoodName\"]",
                    "font": {
                        "family": "宋体",
                        "size": 8
                    },
                    "vAlign": 1,
                    "canGrow": true
                },
                {
                    "name": "Text92",
                    "kind": "text",
                    "geometry": [
                        70.0,
                        0.0,
                        30.0,
                        5.0
                    ],
                    "text": "[frxDetail4.\"F_Amount\"]",
                    "font": {
                        "family": "宋体",
                        "size": 8
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "displayFormat": ",0.####;-,0.####"
                },
                {
                    "name": "Text93",
                    "kind": "text",
                    "geometry": [
                        102.0,
                        0.0,
                        30.0,
                        5.0
                    ],
                    "text": "[frxDetail4.\"F_dhJF\"]",
                    "font": {
                        "family": "宋体",
                        "size": 8
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "displayFormat": ",0.##;-,0.##"
                },
                {
                    "name": "Text94",
                    "kind": "text",
                    "geometry": [
                        134.0,
                        0.0,
                        30.0,
                        5.0
                    ],
                    "text": "[frxDetail4.\"F_totalJF\"]",
                    "font": {
                        "family": "宋体",
                        "size": 8
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "displayFormat": ",0.##;-,0.##"
                }
            ],
            "dataSet": "frxDetail4",
            "masterField": "F_Code",
            "detailField": "F_Code"
        },
        {
            "name": "ColumnFooter3",
            "kind": "columnFooter",
            "height": 6,
            "objects": [
                {
                    "name": "Text78",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        0.0,
                        30.0,
                        6.0
                    ],
                    "text": "合计（共 [COUNT(frxDetail3)] 条）",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text81",
                    "kind": "text",
                    "geometry": [
                        30.0,
                        0.0,
                        36.0,
                        6.0
                    ],
                    "text": "",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text84",
                    "kind": "text",
                    "geometry": [
                        66.0,
                        0.0,
                        20.0,
                        6.0
                    ],
                    "text": "",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text87",
                    "kind": "text",
                    "geometry": [
                        86.0,
                        0.0,
                        18.0,
                        6.0
                    ],
                    "text": "[SUM(frxDetail3.\"F_hyJF\")]",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": ",0.##;-,0.##",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text90",
                    "kind": "text",
                    "geometry": [
                        104.0,
                        0.0,
                        86.0,
                        6.0
                    ],
                    "text": "",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                }
            ]
        },
        {
            "name": "PageFooter1",
            "kind": "pageFooter",
            "height": 7,
            "objects": [
                {
                    "name": "Line1",
                    "kind": "line",
                    "geometry": [
                        0.0,
                        0.5,
                        190.0,
                        0.0
                    ],
                    "frameWidth": 0.2
                },
                {
                    "name": "Text95",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        1.0,
                        190.0,
                        6.0
                    ],
                    "text": "第 [Page#] 页 / 共 [TotalPages#] 页",
                    "font": {
                        "family": "宋体",
                        "size": 8
                    },
                    "hAlign": 1,
                    "vAlign": 1
                },
                {
                    "name": "Text96",
                    "kind": "text",
                    "geometry": [
                        120.0,
                        1.0,
                        70.0,
                        6.0
                    ],
                    "text": "打印日期：[Date]",
                    "font": {
                        "family": "宋体",
                        "size": 8
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "displayFormat": "yyyy年MM月dd日"
                }
            ]
        }
    ]
}
