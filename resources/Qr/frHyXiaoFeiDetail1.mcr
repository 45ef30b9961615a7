{
    "format": "membercard-report",
    "version": 1,
    "title": "会员最近未消费列表",
    "page": {
        "width": 210.0,
        "height": 297.0,
        "landscape": true,
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
                        277.0,
                        10.0
                    ],
                    "text": "会员最近未消费列表",
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
            "name": "ColumnHeader1",
            "kind": "columnHeader",
            "height": 6,
            "objects": [
                {
                    "name": "Text2",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        0.0,
                        26.7,
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
                    "name": "Text5",
                    "kind": "text",
                    "geometry": [
                        26.7,
                        0.0,
                        20.02,
                        6.0
                    ],
                    "text": "姓名",
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
                    "name": "Text8",
                    "kind": "text",
                    "geometry": [
                        46.72,
                        0.0,
                        10.01,
                        6.0
                    ],
                    "text": "性别",
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
                    "name": "Text11",
                    "kind": "text",
                    "geometry": [
                        56.73,
                        0.0,
                        27.81,
                        6.0
                    ],
                    "text": "手机",
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
                    "name": "Text14",
                    "kind": "text",
                    "geometry": [
                        84.54,
                        0.0,
                        25.59,
                        6.0
                    ],
                    "text": "电话",
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
                    "name": "Text17",
                    "kind": "text",
                    "geometry": [
                        110.13,
                        0.0,
                        20.02,
                        6.0
                    ],
                    "text": "会员级别",
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
                    "name": "Text20",
                    "kind": "text",
                    "geometry": [
                        130.15,
                        0.0,
                        15.57,
                        6.0
                    ],
                    "text": "办卡类型",
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
                    "name": "Text23",
                    "kind": "text",
                    "geometry": [
                        145.72,
                        0.0,
                        40.05,
                        6.0
                    ],
                    "text": "最后消费日期",
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
                    "name": "Text26",
                    "kind": "text",
                    "geometry": [
                        185.77,
                        0.0,
                        20.02,
                        6.0
                    ],
                    "text": "累计积分",
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
                    "name": "Text29",
                    "kind": "text",
                    "geometry": [
                        205.79,
                        0.0,
                        26.7,
                        6.0
                    ],
                    "text": "累计消费",
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
                    "name": "Text32",
                    "kind": "text",
                    "geometry": [
                        232.49,
                        0.0,
                        44.51,
                        6.0
                    ],
                    "text": "地址",
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
                    "name": "Text3",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        0.0,
                        26.7,
                        5.5
                    ],
                    "text": "[frxDM.\"F_Hycode\"]",
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
                    "name": "Text6",
                    "kind": "text",
                    "geometry": [
                        26.7,
                        0.0,
                        20.02,
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
                    "name": "Text9",
                    "kind": "text",
                    "geometry": [
                        46.72,
                        0.0,
                        10.01,
                        5.5
                    ],
                    "text": "[frxDM.\"F_sex\"]",
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
                    "name": "Text12",
                    "kind": "text",
                    "geometry": [
                        56.73,
                        0.0,
                        27.81,
                        5.5
                    ],
                    "text": "[frxDM.\"F_movePhone\"]",
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
                    "name": "Text15",
                    "kind": "text",
                    "geometry": [
                        84.54,
                        0.0,
                        25.59,
                        5.5
                    ],
                    "text": "[frxDM.\"F_homePhone\"]",
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
                    "name": "Text18",
                    "kind": "text",
                    "geometry": [
                        110.13,
                        0.0,
                        20.02,
                        5.5
                    ],
                    "text": "[frxDM.\"F_jibie\"]",
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
                    "name": "Text21",
                    "kind": "text",
                    "geometry": [
                        130.15,
                        0.0,
                        15.57,
                        5.5
                    ],
                    "text": "[frxDM.\"F_IFnew\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": "map:0=折扣卡;1=储值卡;2=计次卡;3=升级卡",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text24",
                    "kind": "text",
                    "geometry": [
                        145.72,
                        0.0,
                        40.05,
                        5.5
                    ],
                    "text": "[frxDM.\"dm_date\"]",
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
                    "name": "Text27",
                    "kind": "text",
                    "geometry": [
                        185.77,
                        0.0,
                        20.02,
                        5.5
                    ],
                    "text": "[frxDM.\"F_hyJF\"]",
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
                    "name": "Text30",
                    "kind": "text",
                    "geometry": [
                        205.79,
                        0.0,
                        26.7,
                        5.5
                    ],
                    "text": "[frxDM.\"F_hyXF\"]",
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
                    "name": "Text33",
                    "kind": "text",
                    "geometry": [
                        232.49,
                        0.0,
                        44.51,
                        5.5
                    ],
                    "text": "[frxDM.\"F_address\"]",
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
            "dataSet": "frxDM"
        },
        {
            "name": "ColumnFooter1",
            "kind": "columnFooter",
            "height": 6,
            "objects": [
                {
                    "name": "Text4",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        0.0,
                        26.7,
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
                    "name": "Text7",
                    "kind": "text",
                    "geometry": [
                        26.7,
                        0.0,
                        20.02,
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
                    "name": "Text10",
                    "kind": "text",
                    "geometry": [
                        46.72,
                        0.0,
                        10.01,
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
                    "name": "Text13",
                    "kind": "text",
                    "geometry": [
                        56.73,
                        0.0,
                        27.81,
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
                    "name": "Text16",
                    "kind": "text",
                    "geometry": [
                        84.54,
                        0.0,
                        25.59,
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
                    "name": "Text19",
                    "kind": "text",
                    "geometry": [
                        110.13,
                        0.0,
                        20.02,
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
                    "name": "Text22",
                    "kind": "text",
                    "geometry": [
                        130.15,
                        0.0,
                        15.57,
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
                    "name": "Text25",
                    "kind": "text",
                    "geometry": [
                        145.72,
                        0.0,
                        40.05,
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
                    "name": "Text28",
                    "kind": "text",
                    "geometry": [
                        185.77,
                        0.0,
                        20.02,
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
                    "name": "Text31",
                    "kind": "text",
                    "geometry": [
                        205.79,
                        0.0,
                        26.7,
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
                    "name": "Text34",
                    "kind": "text",
                    "geometry": [
                        232.49,
                        0.0,
                        44.51,
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
                        277.0,
                        0.0
                    ],
                    "frameWidth": 0.2
                },
                {
                    "name": "Text35",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        1.0,
                        277.0,
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
                    "name": "Text36",
                    "kind": "text",
                    "geometry": [
                        207.0,
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
