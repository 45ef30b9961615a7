{
    "format": "membercard-report",
    "version": 1,
    "title": "操作员交班统计",
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
                "name": "memTime",
                "value": ""
            },
            {
                "name": "memOperName",
                "value": ""
            },
            {
                "name": "memPrice1",
                "value": ""
            },
            {
                "name": "memPrice2",
                "value": ""
            },
            {
                "name": "memNum",
                "value": ""
            },
            {
                "name": "memCZ",
                "value": ""
            },
            {
                "name": "memXJ",
                "value": ""
            }
        ]
    },
    "bands": [
        {
            "name": "ReportTitle1",
            "kind": "reportTitle",
            "height": 35,
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
                    "text": "操作员交班统计",
                    "font": {
                        "family": "黑体",
                        "size": 16,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1
                },
                {
                    "name": "Text2",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        11.0,
                        123.5,
                        6.0
                    ],
                    "text": "[memTime]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1
                },
                {
                    "name": "Text3",
                    "kind": "text",
                    "geometry": [
                        123.5,
                        11.0,
                        66.5,
                        6.0
                    ],
                    "text": "操作员：[memOperName]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 2,
                    "vAlign": 1
                },
                {
                    "name": "Text4",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        19.0,
                        38.0,
                        6.0
                    ],
                    "text": "折扣卡消费：",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text5",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        25.0,
                        38.0,
                        7.0
                    ],
                    "text": "[memPrice1] 元",
                    "font": {
                        "family": "宋体",
                        "size": 10
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15
                },
                {
                    "name": "Text6",
                    "kind": "text",
                    "geometry": [
                        38.0,
                        19.0,
                        38.0,
                        6.0
                    ],
                    "text": "储值卡消费：",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text7",
                    "kind": "text",
                    "geometry": [
                        38.0,
                        25.0,
                        38.0,
                        7.0
                    ],
                    "text": "[memPrice2] 元",
                    "font": {
                        "family": "宋体",
                        "size": 10
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15
                },
                {
                    "name": "Text8",
                    "kind": "text",
                    "geometry": [
                        76.0,
                        19.0,
                        38.0,
                        6.0
                    ],
                    "text": "计次卡消费：",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text9",
                    "kind": "text",
                    "geometry": [
                        76.0,
                        25.0,
                        38.0,
                        7.0
                    ],
                    "text": "[memNum] 次",
                    "font": {
                        "family": "宋体",
                        "size": 10
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15
                },
                {
                    "name": "Text10",
                    "kind": "text",
                    "geometry": [
                        114.0,
                        19.0,
                        38.0,
                        6.0
                    ],
                    "text": "会员充值共：",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text11",
                    "kind": "text",
                    "geometry": [
                        114.0,
                        25.0,
                        38.0,
                        7.0
                    ],
                    "text": "[memCZ] 元",
                    "font": {
                        "family": "宋体",
                        "size": 10
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15
                },
                {
                    "name": "Text12",
                    "kind": "text",
                    "geometry": [
                        152.0,
                        19.0,
                        38.0,
                        6.0
                    ],
                    "text": "会员收现金：",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text13",
                    "kind": "text",
                    "geometry": [
                        152.0,
                        25.0,
                        38.0,
                        7.0
                    ],
                    "text": "[memXJ] 元",
                    "font": {
                        "family": "宋体",
                        "size": 10
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15
                }
            ]
        },
        {
            "name": "ColumnHeader1",
            "kind": "columnHeader",
            "height": 13.5,
            "objects": [
                {
                    "name": "Text14",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        0.0,
                        190.0,
                        7.0
                    ],
                    "text": "会员消费信息",
                    "font": {
                        "family": "黑体",
                        "size": 10.5,
                        "bold": true
                    },
                    "vAlign": 2
                },
                {
                    "name": "Text15",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        7.5,
                        33.53,
                        6.0
                    ],
                    "text": "消费单号",
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
                    "name": "Text18",
                    "kind": "text",
                    "geometry": [
                        33.53,
                        7.5,
                        29.06,
                        6.0
                    ],
                    "text": "会员卡号",
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
                    "name": "Text21",
                    "kind": "text",
                    "geometry": [
                        62.59,
                        7.5,
                        24.59,
                        6.0
                    ],
                    "text": "会员姓名",
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
                    "name": "Text24",
                    "kind": "text",
                    "geometry": [
                        87.18,
                        7.5,
                        42.47,
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
                    "name": "Text27",
                    "kind": "text",
                    "geometry": [
                        129.65,
                        7.5,
                        33.53,
                        6.0
                    ],
                    "text": "消费金额/次数",
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
                    "name": "Text30",
                    "kind": "text",
                    "geometry": [
                        163.18,
                        7.5,
                        26.82,
                        6.0
                    ],
                    "text": "增加积分",
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
            "name": "MasterData1",
            "kind": "masterData",
            "height": 5.5,
            "objects": [
                {
                    "name": "Text16",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        0.0,
                        33.53,
                        5.5
                    ],
                    "text": "[frxDM.\"F_XFcode\"]",
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
                    "name": "Text19",
                    "kind": "text",
                    "geometry": [
                        33.53,
                        0.0,
                        29.06,
                        5.5
                    ],
                    "text": "[frxDM.\"F_HYcode\"]",
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
                    "name": "Text22",
                    "kind": "text",
                    "geometry": [
                        62.59,
                        0.0,
                        24.59,
                        5.5
                    ],
                    "text": "[frxDM.\"F_name\"]",
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
                    "name": "Text25",
                    "kind": "text",
                    "geometry": [
                        87.18,
                        0.0,
                        42.47,
                        5.5
                    ],
                    "text": "[frxDM.\"F_XFdate\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text28",
                    "kind": "text",
                    "geometry": [
                        129.65,
                        0.0,
                        33.53,
                        5.5
                    ],
                    "text": "[frxDM.\"F_totalprice\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": "￥,0.00##;-￥,0.00##",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text31",
                    "kind": "text",
                    "geometry": [
                        163.18,
                        0.0,
                        26.82,
                        5.5
                    ],
                    "text": "[frxDM.\"F_HYjf\"]",
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
                }
            ],
            "dataSet": "frxDM"
        },
        {
            "name": "ColumnFooter1",
            "kind": "columnFooter",
            "height": 6,
            "objects": [
                {
                    "name": "Text17",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        0.0,
                        33.53,
                        6.0
                    ],
                    "text": "合计（共 [COUNT(frxDM)] 条）",
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
                    "name": "Text20",
                    "kind": "text",
                    "geometry": [
                        33.53,
                        0.0,
                        29.06,
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
                    "name": "Text23",
                    "kind": "text",
                    "geometry": [
                        62.59,
                        0.0,
                        24.59,
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
                    "name": "Text26",
                    "kind": "text",
                    "geometry": [
                        87.18,
                        0.0,
                        42.47,
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
                    "name": "Text29",
                    "kind": "text",
                    "geometry": [
                        129.65,
                        0.0,
                        33.53,
                        6.0
                    ],
                    "text": "[SUM(frxDM.\"F_totalprice\")]",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": "￥,0.00##;-￥,0.00##",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text32",
                    "kind": "text",
                    "geometry": [
                        163.18,
                        0.0,
                        26.82,
                        6.0
                    ],
                    "text": "[SUM(frxDM.\"F_HYjf\")]",
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
                }
            ]
        },
        {
            "name": "ColumnHeader2",
            "kind": "columnHeader",
            "height": 13.5,
            "objects": [
                {
                    "name": "Text33",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        0.0,
                        190.0,
                        7.0
                    ],
                    "text": "会员充值信息",
                    "font": {
                        "family": "黑体",
                        "size": 10.5,
                        "bold": true
                    },
                    "vAlign": 2
                },
                {
                    "name": "Text34",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        7.5,
                        30.12,
                        6.0
                    ],
                    "text": "会员卡号",
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
                    "name": "Text37",
                    "kind": "text",
                    "geometry": [
                        30.12,
                        7.5,
                        25.49,
                        6.0
                    ],
                    "text": "会员姓名",
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
                    "name": "Text40",
                    "kind": "text",
                    "geometry": [
                        55.61,
                        7.5,
                        44.02,
                        6.0
                    ],
                    "text": "充值日期",
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
                    "name": "Text43",
                    "kind": "text",
                    "geometry": [
                        99.63,
                        7.5,
                        32.44,
                        6.0
                    ],
                    "text": "交费金额",
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
                    "name": "Text46",
                    "kind": "text",
                    "geometry": [
                        132.07,
                        7.5,
                        32.44,
                        6.0
                    ],
                    "text": "优惠金额",
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
                    "name": "Text49",
                    "kind": "text",
                    "geometry": [
                        164.51,
                        7.5,
                        25.49,
                        6.0
                    ],
                    "text": "操作员",
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
                    "name": "Text35",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        0.0,
                        30.12,
                        5.5
                    ],
                    "text": "[frxDD.\"F_HYcode\"]",
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
                    "name": "Text38",
                    "kind": "text",
                    "geometry": [
                        30.12,
                        0.0,
                        25.49,
                        5.5
                    ],
                    "text": "[frxDD.\"F_name\"]",
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
                    "name": "Text41",
                    "kind": "text",
                    "geometry": [
                        55.61,
                        0.0,
                        44.02,
                        5.5
                    ],
                    "text": "[frxDD.\"F_CZdate\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text44",
                    "kind": "text",
                    "geometry": [
                        99.63,
                        0.0,
                        32.44,
                        5.5
                    ],
                    "text": "[frxDD.\"F_JFprice\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": "￥,0.00##;-￥,0.00##",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text47",
                    "kind": "text",
                    "geometry": [
                        132.07,
                        0.0,
                        32.44,
                        5.5
                    ],
                    "text": "[frxDD.\"F_YHprice\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": "￥,0.00##;-￥,0.00##",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text50",
                    "kind": "text",
                    "geometry": [
                        164.51,
                        0.0,
                        25.49,
                        5.5
                    ],
                    "text": "[frxDD.\"F_OperName\"]",
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
            "dataSet": "frxDD"
        },
        {
            "name": "ColumnFooter2",
            "kind": "columnFooter",
            "height": 6,
            "objects": [
                {
                    "name": "Text36",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        0.0,
                        30.12,
                        6.0
                    ],
                    "text": "合计（共 [COUNT(frxDD)] 条）",
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
                    "name": "Text39",
                    "kind": "text",
                    "geometry": [
                        30.12,
                        0.0,
                        25.49,
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
                    "name": "Text42",
                    "kind": "text",
                    "geometry": [
                        55.61,
                        0.0,
                        44.02,
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
                    "name": "Text45",
                    "kind": "text",
                    "geometry": [
                        99.63,
                        0.0,
                        32.44,
                        6.0
                    ],
                    "text": "[SUM(frxDD.\"F_JFprice\")]",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": "￥,0.00##;-￥,0.00##",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text48",
                    "kind": "text",
                    "geometry": [
                        132.07,
                        0.0,
                        32.44,
                        6.0
                    ],
                    "text": "[SUM(frxDD.\"F_YHprice\")]",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": "￥,0.00##;-￥,0.00##",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text51",
                    "kind": "text",
                    "geometry": [
                        164.51,
                        0.0,
                        25.49,
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
            "name": "ReportSummary1",
            "kind": "reportSummary",
            "height": 16,
            "objects": [
                {
                    "name": "Text52",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        8.0,
                        95.0,
                        7.0
                    ],
                    "text": "交班人：＿＿＿＿＿＿＿＿",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1
                },
                {
                    "name": "Text53",
                    "kind": "text",
                    "geometry": [
                        95.0,
                        8.0,
                        95.0,
                        7.0
                    ],
                    "text": "接班人：＿＿＿＿＿＿＿＿",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 2,
                    "vAlign": 1
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
                    "name": "Text54",
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
                    "name": "Text55",
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
